// Loading the working folder's list without a screen, the way start-up does:
// the column files when they match, else an import of the song database file.
#pragma once

#include <string>

#include "database/settings.h"
#include "database/side_files.h"
#include "database/song_table.h"

namespace hv {

struct WorkingList {
    SongTable songs;
    Settings settings;
    LinkTables links;
    bool loaded = false;  // the table holds the database file's songs
    // Why it is not loaded, or which file an import could not write (the
    // songs are then in the table all the same).
    std::string problem;
};

WorkingList loadWorkingList(const std::string& folder, int currentYear);

}  // namespace hv
