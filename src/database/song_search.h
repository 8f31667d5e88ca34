// Finding songs in the list: by a text in the artist or title, or by a list
// position to jump to.
#pragma once

#include <optional>
#include <string_view>

#include "database/song_table.h"

namespace hv {

// A number from 1 to this jumps to that list position instead of searching.
constexpr int kHighestJump = 10009;

// The list position a search text jumps to when the whole text, blanks
// around it aside, is a number from 1 to 10009; nothing otherwise (it is then
// searched for as text).
std::optional<int> jumpTarget(std::string_view text);

// A row matches when its upper-cased artist, or else its upper-cased title,
// padding included, contains the (upper-case) text.
bool rowMatches(const Song& row, std::string_view upperText);

// The first matching row from `from` up to the last song, or from `from`
// down to row 0; -1 when there is none. Starting points outside the songs
// are brought back to them, so no search reads a row that holds no song.
int searchForward(const SongTable& table, std::string_view upperText, int from);
int searchBackward(const SongTable& table, std::string_view upperText, int from);

}  // namespace hv
