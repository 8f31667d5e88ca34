// Top artists (key A): the artists of the list ranked by number of songs,
// by average place or by both, with the page "artist.htm".
#pragma once

#include <string>
#include <vector>

#include "database/song_table.h"

namespace hv {

// The least number of songs an artist needs, every time the screen opens.
constexpr int kTopArtistsStartMinimum = 5;
constexpr const char* kTopArtistsPage = "artist.htm";

// The statistics modes as this view names them; M steps through them.
constexpr int kModeSongCount = 0;
constexpr int kModeAverageRanking = 1;
constexpr int kModeMostPopular = 2;
const char* topArtistsModeName(int mode);
int nextTopArtistsMode(int mode);

// The ranking for a mode and minimum: every artist with at least the minimum
// number of songs, highest score first, its best song cut to 23 characters.
// points holds the integer average of the artist's points, score the ranking
// key:
//   mode 0 the number of songs, mode 1 the average points,
//   mode 2 the average points times (songs / minimum), an integer quotient.
std::vector<BandRow> rankArtists(const SongTable& songs, int mode, int minimum);

// The ranking from the artist groups of the list (groupByArtist's rows):
// what rankArtists does once the songs are grouped.
std::vector<BandRow> rankArtistGroups(std::vector<BandRow> groups, int mode, int minimum);

// The table as the page shows it: two header lines, then one line per artist.
void appendTopArtistsPageBody(std::string& out, const std::vector<BandRow>& ranking, int chartYear,
                              int listSize);

}  // namespace hv
