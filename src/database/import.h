// Putting a song list read from the database file in place: the settings
// first, then its column files with "band.txt" last, so that whatever stops
// the writing the next start shows the file the settings name.
#pragma once

#include <string>
#include <vector>

#include "database/column_files.h"
#include "database/settings.h"
#include "database/song_file.h"
#include "database/song_table.h"

namespace hv {

// What a file that cannot be written leaves in memory: the list already
// there (an import from the list), or the songs just read, which a start-up
// has nothing better than (the next start imports them again).
enum class OnWriteFailure { KeepOldList, TakeNewList };

struct StoredList {
    // The settings and all column files were written.
    bool stored = false;
    // The table now holds the new list.
    bool tableReplaced = false;
    // The file that could not be written when not stored.
    std::string failedFile;
    // The distinct artists of the new list.
    int bands = 0;
};

// Writes the settings (with the header's chart year), the record of the
// list's encoding, then the column files,
// and fills the table and applies "country.txt". With KeepOldList a failure
// changes nothing in memory and puts the old settings back; either way no
// column file set is left for the next start to load.
StoredList storeImportedList(const std::string& folder, SongFileContents& list, Settings& settings,
                             SongTable& table, OnWriteFailure onFailure,
                             const AfterFileWritten& afterWrite = {});

// Every row reset as the import leaves it, then the songs.
void replaceTable(SongTable& table, std::vector<Song>& songs);

// The number of distinct artists of the list.
int countBands(const SongTable& table);

}  // namespace hv
