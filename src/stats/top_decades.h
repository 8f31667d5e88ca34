// Top decades (key D): the decades of release ranked like the years, each
// with its first song, and the page "decade.htm".
#pragma once

#include <string>
#include <vector>

#include "database/song_table.h"

namespace hv {

constexpr const char* kTopDecadesPage = "decade.htm";

// A song's decade slot is its year / 10; the years 0 to 3009 have slots
// 0 to 300. A year outside them counts in no slot.
constexpr int kDecadeSlots = 301;
constexpr int kLastDecadeYear = 10 * kDecadeSlots - 1;

// The slot of a year, or -1 when the year has none.
int decadeSlot(int year);

// "190x" and "191x", "20's" to "90's", "200x" to "210x"; "xxxx" for any other
// slot.
const char* decadeLabel(int slot);

// Slot 0 (years 0 to 9, and every song without a year) is ranked like the
// others but never listed: its rank number is skipped.
inline bool isListedDecade(const BandRow& row) {
    return row.groupValue != 0;
}

// The ranking for a mode: every slot holding a song, highest score first
// (equal scores earlier decade first); groupValue is the slot, points the
// integer average, the name and best song those of the decade's first song.
std::vector<BandRow> rankDecades(const SongTable& songs, int mode);

// The table as the page shows it: two header lines, then one line per listed
// decade.
void appendTopDecadesPageBody(std::string& out, const std::vector<BandRow>& ranking, int chartYear,
                              int listSize);

}  // namespace hv
