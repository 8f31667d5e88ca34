// Top years (key Y): the release years of the list ranked by number of songs
// or by average place, each with its first song, and the page "topyears.htm".
// The decade view ranks the same way and shares the mode and row rules here.
#pragma once

#include <string>
#include <vector>

#include "database/song_table.h"

namespace hv {

constexpr const char* kTopYearsPage = "topyears.htm";

// The year and decade views read the shared statistics mode as two formulas:
// 0 ranks by number of songs, any other value (2 left by Top artists too) by
// average points.
bool ranksByAverage(int mode);
// M toggles between the two: 0 becomes 1, any other mode 0.
int nextYearsMode(int mode);

// The shown parts of a group's first song: its artist by its first 20
// characters, its title by its first 22.
constexpr size_t kYearsNameWidth = 20;
constexpr size_t kYearsBestSongWidth = 22;

// Turns summed points into the integer average, sets the score for the mode,
// ranks the rows (stable, highest score first) and cuts the shown names.
void finishYearsRanking(std::vector<BandRow>& rows, int mode);

// One row per year other than 0, in the order of the years' first songs in the
// list: groupValue the year, the first song's artist, title and place, the
// number of songs and the sum of their points. Songs of year 0 count nowhere
// but keep their list positions.
std::vector<BandRow> groupByYear(const SongTable& songs);
// The same groups found by scanning every row for every song: the plain
// rule, kept to check groupByYear against.
std::vector<BandRow> groupByYearScanning(const SongTable& songs);

// The ranking for a mode: every year with a song, highest score first;
// points holds the integer average.
std::vector<BandRow> rankYears(const SongTable& songs, int mode);

// The table as the page shows it: two header lines, then one line per year.
void appendTopYearsPageBody(std::string& out, const std::vector<BandRow>& ranking, int chartYear,
                            int listSize);

}  // namespace hv
