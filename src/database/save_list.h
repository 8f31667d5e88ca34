// Writing the Song table back to the song database file.
#pragma once

#include <string>

#include "database/song_table.h"

namespace hv {

// The whole file: the header line, one line per song in list order, and the
// closing empty line.
std::string formatSongList(const SongTable& table, int chartYear);

// A read-only file is the user's sign that it must not be replaced, even
// though the folder would allow renaming a new one over it. The mark counts
// for every user, the superuser too.
bool mayReplaceFile(const std::string& path);

// Writes the list to the database file of the working folder, replacing it
// only once the new one is complete. False when it cannot be written or may
// not be replaced; the old file is then left as it was.
bool writeSongList(const std::string& folder, const std::string& databaseName,
                   const SongTable& table, int chartYear);

}  // namespace hv
