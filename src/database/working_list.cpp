#include "database/working_list.h"

#include <optional>

#include "database/column_files.h"
#include "database/import.h"
#include "database/song_file.h"
#include "database/text_files.h"

namespace hv {

WorkingList loadWorkingList(const std::string& folder, int currentYear) {
    WorkingList w;
    bool complete = loadTable(folder, w.songs, w.links);
    std::optional<Settings> settings = readSettings(folder);
    w.settings = settings ? *settings : defaultSettings(currentYear);
    if (!settings && !writeSettings(folder, w.settings)) w.problem = "could not write hitvault.ini";
    const std::string& name = w.settings.songDatabase;
    const std::string path = folderPath(folder, name);
    // Empty column files beside a list that holds songs were lost, not emptied.
    bool lost = complete && settings && w.songs.count == 0 &&
                !readSongFile(path, name, currentYear, 1).songs.empty();
    if (complete && settings && !lost) {
        w.loaded = true;
        return w;
    }
    SongFileContents list = readSongFile(path, name, currentYear, kDefaultImportLimit);
    if (!list.opened) {
        w.problem = name + " not present";
        return w;
    }
    StoredList stored =
        storeImportedList(folder, list, w.settings, w.songs, OnWriteFailure::TakeNewList);
    w.loaded = stored.tableReplaced;
    if (!stored.stored) {
        w.problem = "could not write " + stored.failedFile;
        return w;
    }
    // The side files as the next start reads them.
    SongTable again;
    if (loadTable(folder, again, w.links)) w.songs = std::move(again);
    return w;
}

}  // namespace hv
