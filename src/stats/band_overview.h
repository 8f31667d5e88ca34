// Band overview (key B): every song of each artist with at least a minimum
// number of songs, artist by artist, most songs first or alphabetically, with
// the pages "band1.htm" and "band2.htm". The vote form lists the same lines.
#pragma once

#include <string>
#include <vector>

#include "database/song_table.h"

namespace hv {

// The least number of songs an artist needs, every time the screen opens.
constexpr int kBandOverviewStartMinimum = 5;

// The statistics modes as this view names them; M switches between them.
constexpr int kBandModeNormal = 0;    // artists with most songs first
constexpr int kBandModeAlphabet = 1;  // artists in byte order of their names
const char* bandOverviewModeName(int mode);
int nextBandOverviewMode(int mode);
// "band1.htm" in the normal mode, "band2.htm" alphabetically.
const char* bandOverviewPageName(int mode);

// One listed song.
struct OverviewLine {
    int row = 0;        // the song's row in the Song table
    int number = 0;     // its number within its artist, from 1
    int songCount = 0;  // the artist's number of songs on its first line, 0 on the others
    bool operator==(const OverviewLine&) const = default;
};

// The overview for a mode and minimum. Artists are grouped by the shared
// artist rule; those with fewer songs than the minimum are left out; the rest
// are ordered by the mode, and each one brings its songs in list order.
std::vector<OverviewLine> buildBandOverview(const SongTable& songs, int mode, int minimum);

// The same overview by the plain rule: every kept artist scans the whole list
// for the songs whose artist field holds its name. Quadratic; the oracle the
// fast build is checked against.
std::vector<OverviewLine> buildBandOverviewLiteral(const SongTable& songs, int mode, int minimum);

// The count column: the artist's song count on its first line, blank after.
std::string overviewCountText(const OverviewLine& line);

// The overview as the page shows it: two header lines, then one line per
// song with its video link, a blank line before every artist but the first.
void appendBandOverviewPageBody(std::string& out, const SongTable& songs,
                                const std::vector<OverviewLine>& lines, int chartYear, int minimum,
                                int mode);

}  // namespace hv
