// The seven column files: a line-per-song copy of the imported list that
// start-up loads instead of parsing the song database file again.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "database/side_files.h"
#include "database/song_table.h"

namespace hv {

// In the order they are read in step, one line of each per song.
constexpr std::array<const char*, 7> kColumnFileNames = {
    "band.txt", "song.txt", "count.txt", "rating.txt", "py.txt", "time.txt", "votes.txt"};

// The contents of the seven files for a list, in the order of
// kColumnFileNames. "rating.txt" holds the list position, not the place.
std::array<std::string, 7> formatColumnFiles(const std::vector<Song>& songs);

// Called with each file's name once it is written (tests stop there, as a
// crash would).
using AfterFileWritten = std::function<void(const std::string& file)>;

// Writes the seven files whole. "band.txt" goes first and comes back last,
// so that a set left incomplete by a failure is never loaded: the next start
// imports instead. False, with the name of the file that failed, when one
// could not be written.
bool writeColumnFiles(const std::string& folder, const std::vector<Song>& songs,
                      std::string& failedFile, const AfterFileWritten& afterWrite = {});

// Removes "band.txt", so that the next start imports the song database file
// instead of loading column files that no longer match it.
void discardColumnFiles(const std::string& folder);

// Fills the table from the column files, and the link tables and countries
// from the side files. False, with an empty table, when any of the seven
// column files is missing or they hold different numbers of lines: the song
// database file must then be imported.
bool loadTable(const std::string& folder, SongTable& table, LinkTables& links);

}  // namespace hv
