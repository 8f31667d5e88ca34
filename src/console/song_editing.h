// Changing single songs from the main list: Insert, Delete, F3 (move) and F2
// (edit). Each works on the row selected when its key was pressed, and keeps
// the place numbers of the rows it shifts consecutive.
#pragma once

#include <string_view>

#include "database/song_table.h"

namespace hv {

struct App;

// The most songs a list may hold for an insert: the shifting uses the row
// behind the last song and the one after it.
constexpr int kInsertMaximum = kSongCapacity - 2;

// Typed values, shared by insert and edit.
bool isValidYear(std::string_view text);      // exactly 4 characters, 1900 to 2100
bool isValidDuration(std::string_view text);  // dd:dd
bool isValidPrevRank(std::string_view text);  // 1 to 10009
bool isValidVotes(std::string_view text);     // 0 or more; text that is not a number is 0

// The row operations behind the commands; all eight columns move together.
// Puts the song at row `target` (at most the song count), shifting the rows
// from there one down with places + 1. False when the table is full.
bool insertRow(SongTable& table, int target, const Song& song);
// Removes row `target` (below the song count); the rows behind move up with
// places - 1.
void deleteRow(SongTable& table, int target);
// Moves row `from` to row `to` (both below the song count); the rows between
// shift by one and take consecutive places, the moved song gets place to + 1.
void moveRow(SongTable& table, int from, int to);

void insertSong(App& app);
void deleteSong(App& app);
void moveSong(App& app);
void editSong(App& app);

}  // namespace hv
