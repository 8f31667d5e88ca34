#include "database/column_files.h"

#include <unistd.h>

#include <memory>

#include "database/text_files.h"

namespace hv {

namespace {

// The duration column is a 10-byte field.
constexpr size_t kDurationMax = 9;

void appendNumberLine(std::string& out, int value) {
    out += std::to_string(value);
    out += '\n';
}

}  // namespace

std::array<std::string, 7> formatColumnFiles(const std::vector<Song>& songs) {
    std::array<std::string, 7> files;
    int position = 0;
    for (const Song& s : songs) {
        ++position;
        files[0] += s.artist + "\n";
        files[1] += s.song + "\n";
        appendNumberLine(files[2], s.year);
        appendNumberLine(files[3], position);
        appendNumberLine(files[4], s.prevRank);
        files[5] += s.duration + "\n";
        appendNumberLine(files[6], s.votes);
    }
    return files;
}

bool writeColumnFiles(const std::string& folder, const std::vector<Song>& songs,
                      std::string& failedFile, const AfterFileWritten& afterWrite) {
    std::array<std::string, 7> contents = formatColumnFiles(songs);
    discardColumnFiles(folder);
    for (size_t i = contents.size(); i-- > 0;) {
        // Not flushed: a set a crash leaves uneven is found at the next start,
        // which imports the list again.
        if (!writeFileWhole(folderPath(folder, kColumnFileNames[i]), contents[i])) {
            failedFile = kColumnFileNames[i];
            discardColumnFiles(folder);
            return false;
        }
        if (afterWrite) afterWrite(kColumnFileNames[i]);
    }
    return true;
}

void discardColumnFiles(const std::string& folder) {
    // All seven, not only "band.txt": a file renamed over an existing one is
    // written out at once by some file systems (ext4), which made the import
    // wait for the disk; over no file it is written later like any other.
    for (const char* name : kColumnFileNames) ::unlink(folderPath(folder, name).c_str());
}

bool loadTable(const std::string& folder, SongTable& table, LinkTables& links) {
    for (Song& row : table.rows) row.year = 0;
    table.count = 0;

    // A name may end in a CR of its own, so the line ends are taken apart
    // here: the artist's fixed width tells a line written with CR LF.
    std::array<std::unique_ptr<LineReader>, 7> files;
    for (size_t i = 0; i < files.size(); ++i) {
        files[i] =
            std::make_unique<LineReader>(folderPath(folder, kColumnFileNames[i]), LineEnds::LfOnly);
        if (!files[i]->isOpen()) return false;
    }

    std::array<std::string, 7> line;
    while (table.count < kSongCapacity) {
        size_t ended = 0;
        for (size_t i = 0; i < files.size(); ++i) ended += files[i]->next(line[i]) ? 0 : 1;
        if (ended == files.size()) break;
        if (ended > 0) {
            // Files of different lengths were not all written by one import
            // (a crash between them): loading them would lose songs silently.
            for (int r = 0; r < table.count; ++r) table.rows[r].year = 0;
            table.count = 0;
            return false;
        }
        if (line[0].size() == kNameWidth + 1 && line[0].back() == '\r') {
            for (size_t text : {0, 1, 5}) {
                if (!line[text].empty() && line[text].back() == '\r') line[text].pop_back();
            }
        }
        Song& s = table.rows[table.count];
        s = Song{};
        s.artist = fitName(line[0]);
        s.song = fitName(line[1]);
        s.year = readNumber(line[2]);
        s.place = readNumber(line[3]);
        s.prevRank = readNumber(line[4]);
        s.duration = line[5].substr(0, kDurationMax);
        s.votes = readNumber(line[6]);
        ++table.count;
    }

    links = loadLinkTables(folder);
    applyCountryFile(folder, table);
    return true;
}

}  // namespace hv
