// Changing the rows of the Song table one song at a time, and the checks on
// typed values that editing shares. All eight columns of a row move together,
// and the place numbers of shifted rows stay consecutive.
#pragma once

#include <string_view>

#include "database/song_table.h"

namespace hv {

// The most songs a list may hold for an insert: the shifting uses the row
// behind the last song and the one after it.
constexpr int kInsertMaximum = kSongCapacity - 2;

// Typed values, shared by insert and edit.
bool isValidYear(std::string_view text);      // exactly 4 characters, 1900 to 2100
bool isValidDuration(std::string_view text);  // dd:dd
bool isValidPrevRank(std::string_view text);  // 1 to 10009
bool isValidVotes(std::string_view text);     // 0 or more; text that is not a number is 0

// Puts the song at row `target` (at most the song count), shifting the rows
// from there one down with places + 1. False when the table is full.
bool insertRow(SongTable& table, int target, const Song& song);
// Removes row `target` (below the song count); the rows behind move up with
// places - 1.
void deleteRow(SongTable& table, int target);
// Moves row `from` to row `to` (both below the song count); the rows between
// shift by one and take consecutive places, the moved song gets place to + 1.
void moveRow(SongTable& table, int from, int to);

}  // namespace hv
