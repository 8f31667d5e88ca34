// New and disappeared songs (key S): the songs new in this year's chart, and
// the songs of last year's chart that can no longer be found in this one,
// with the pages "newsongs.htm" and "gone.htm".
//
// Names are spelled a little differently from one year to the next, so a
// previous-year song is looked for with five loose rules and an adjustable
// match length N; the rules compare N + 1 characters.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "database/song_table.h"

namespace hv {

// The match length every time the screen opens; it never goes below 1.
constexpr int kStartMatchLength = 4;
constexpr int kLeastMatchLength = 1;
// Entries of the previous year's list beyond this many are ignored.
constexpr int kPreviousYearCapacity = kSongCapacity;
// Charts of this year and earlier have no previous places to tell new songs.
constexpr int kLastYearWithoutHistory = 2004;

enum class NewSongsMode { newSongs, disappeared };

const char* newSongsPageName(NewSongsMode mode);  // "newsongs.htm" or "gone.htm"
std::string newSongsTitleLine(NewSongsMode mode, int chartYear);

// The previous year's list: the file "%4d.txt" of chart year - 1, read as a
// song list (header line skipped, up to the first line shorter than 3
// characters), UTF-8 converted as for an import. Only place, artist, title
// and year are used.
std::string previousYearFileName(int chartYear);
struct PreviousYearList {
    bool opened = false;
    std::vector<Song> entries;
};
// onEntry sees each entry as it is read (index from 0).
using EntryRead = std::function<void(int index, const Song& entry)>;
PreviousYearList readPreviousYear(const std::string& folder, int chartYear,
                                  const EntryRead& onEntry = {});

// The songs of the table marked new (prevRank 0), in list order.
std::vector<Song> findNewSongs(const SongTable& songs);

// The last N + 1 characters of a text, its trailing spaces not counted,
// filled on the left with spaces when the text is shorter.
std::string matchTail(std::string_view text, int matchLength);

// The five rules, tested in order on upper-cased copies of a current song
// (Ac, Tc) and a previous entry (Ap, Tp):
//   1 Ac contains Ap and Tc contains Tp;
//   2 the first N + 1 characters of the artists are equal, and of the titles;
//   3 the tails of the titles are equal, the tails of the artists, and the years;
//   4 Ac contains Ap, the tails of the titles and the years are equal;
//   5 Tc contains Tp, the tails of the artists and the years are equal.
// The rule that holds (1 to 5), or 0 when none does.
int matchingRule(const Song& current, const Song& previous, int matchLength);

// The plain nested scan: every entry against the songs in list order until
// the first one that matches. The entries no song matches, in file order.
// Slow at full size (every pair is upper-cased anew); kept as the measure
// the fast search is held to.
std::vector<Song> findDisappearedByScan(const std::vector<Song>& previous, const SongTable& songs,
                                        int matchLength);

// The same result as the scan, through an index of the songs built once per
// search. onEntry is called with each entry's index before it is looked for.
std::vector<Song> findDisappeared(const std::vector<Song>& previous, const SongTable& songs,
                                  int matchLength, const std::function<void(int)>& onEntry = {});

// The page body: in the disappeared mode a warning first; then the heading,
// its underline, and one line per entry whose year is not 0 (an entry of
// year 0 counts in the heading but is not listed).
void appendNewSongsPageBody(std::string& out, NewSongsMode mode, const std::vector<Song>& result,
                            int chartYear);

}  // namespace hv
