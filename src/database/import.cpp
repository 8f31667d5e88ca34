#include "database/import.h"

#include <unordered_set>

#include "database/list_encoding.h"
#include "database/side_files.h"

namespace hv {

StoredList storeImportedList(const std::string& folder, SongFileContents& list, Settings& settings,
                             SongTable& table, OnWriteFailure onFailure,
                             const AfterFileWritten& afterWrite) {
    StoredList result;
    // Old column files must not outlive settings that name another list.
    discardColumnFiles(folder);
    Settings updated = settings;
    if (list.hasHeader) updated.chartYear = list.chartYear;
    if (!writeSettings(folder, updated)) {
        result.failedFile = kSettingsFile;
    } else {
        if (afterWrite) afterWrite(kSettingsFile);
        // The encoding before the column files: they are loaded only once
        // complete, and then with the encoding of the list they hold.
        bool recorded = recordListEncoding(folder, updated.songDatabase, list.encoding);
        if (!recorded) result.failedFile = kListEncodingFile;
        if ((!recorded || !writeColumnFiles(folder, list.songs, result.failedFile, afterWrite)) &&
            onFailure == OnWriteFailure::KeepOldList) {
            // Without "band.txt" the next start imports the list these name.
            writeSettings(folder, settings);
        }
    }
    result.stored = result.failedFile.empty();
    if (!result.stored && onFailure == OnWriteFailure::KeepOldList) return result;
    settings = updated;
    replaceTable(table, list.songs);
    result.tableReplaced = true;
    result.bands = countBands(table);
    applyCountryFile(folder, table);
    return result;
}

void replaceTable(SongTable& table, std::vector<Song>& songs) {
    for (int r = 0; r < kSongCapacity; ++r) {
        if (r < static_cast<int>(songs.size())) {
            table.rows[r] = std::move(songs[r]);
        } else {
            resetRowForImport(table.rows[r]);
        }
    }
    table.count = static_cast<int>(songs.size());
}

int countBands(const SongTable& table) {
    // An artist counts as seen when its field contains the field of an artist
    // counted before. At the common width of 29 that is equality, which a
    // hash set answers at once; only odd widths need the scan.
    std::unordered_set<std::string> seen;
    // Every distinct artist, in order of first appearance.
    std::vector<std::string> bands;
    bool commonWidth = true;
    for (int r = 0; r < table.count; ++r) {
        const std::string& artist = table.rows[r].artist;
        bool known = seen.count(artist) > 0;
        if (!known && !(commonWidth && artist.size() == kNameWidth)) {
            for (const std::string& band : bands) {
                if (artist.find(band) != std::string::npos) {
                    known = true;
                    break;
                }
            }
        }
        if (known) continue;
        if (artist.size() != kNameWidth) commonWidth = false;
        seen.insert(artist);
        bands.push_back(artist);
    }
    return static_cast<int>(bands.size());
}

}  // namespace hv
