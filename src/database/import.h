// Putting a song list read from the database file in place: its column files
// and settings first, the Song table last, so a failure leaves all as it was.
#pragma once

#include <string>
#include <vector>

#include "database/settings.h"
#include "database/song_file.h"
#include "database/song_table.h"

namespace hv {

struct StoredList {
    bool stored = false;
    // The file that could not be written when not stored.
    std::string failedFile;
    // The distinct artists of the new list.
    int bands = 0;
};

// Writes the column files, then the settings (with the header's chart year),
// and only then fills the table and applies "country.txt". When a file cannot
// be written nothing in memory changes and no column file set is left for
// the next start to load.
StoredList storeImportedList(const std::string& folder, SongFileContents& list, Settings& settings,
                             SongTable& table);

// Every row reset as the import leaves it, then the songs.
void replaceTable(SongTable& table, std::vector<Song>& songs);

// The number of distinct artists of the list.
int countBands(const SongTable& table);

}  // namespace hv
