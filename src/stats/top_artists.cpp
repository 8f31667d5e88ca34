#include "stats/top_artists.h"

#include <algorithm>
#include <utility>

#include "database/text_format.h"
#include "html/html_escape.h"
#include "stats/artist_grouping.h"

namespace hv {

namespace {

constexpr const char* kModeNames[] = {"Number of Songs", "Average Ranking", "Most Popular"};
// The best song is shown by its first 23 characters.
constexpr size_t kBestSongWidth = 23;

int scoreFor(const BandRow& row, int mode, int minimum) {
    if (row.songCount < minimum) return 0;
    switch (mode) {
        case kModeAverageRanking:
            return row.points;
        case kModeMostPopular:
            return row.points * (row.songCount / minimum);
        default:
            return row.songCount;
    }
}

}  // namespace

const char* topArtistsModeName(int mode) {
    return (mode >= 0 && mode <= kModeMostPopular) ? kModeNames[mode] : "";
}

int nextTopArtistsMode(int mode) {
    return (mode >= kModeMostPopular || mode < 0) ? 0 : mode + 1;
}

std::vector<BandRow> rankArtists(const SongTable& songs, int mode, int minimum) {
    return rankArtistGroups(std::move(groupSongsByArtist(songs).rows), mode, minimum);
}

std::vector<BandRow> rankArtistGroups(std::vector<BandRow> rows, int mode, int minimum) {
    for (BandRow& row : rows) {
        row.bestSong.resize(std::min(row.bestSong.size(), kBestSongWidth));
        row.points /= row.songCount;
        row.score = scoreFor(row, mode, minimum);
    }
    rankByScore(rows);
    return rows;
}

void appendTopArtistsPageBody(std::string& out, const std::vector<BandRow>& ranking, int chartYear,
                              int listSize) {
    // About 90 bytes a line: one allocation for the whole table.
    out.reserve(out.size() + 200 + ranking.size() * 90);
    appendFormat(
        out, "%4d   Top Artists                 Songs  Average  Best Song               Place\n",
        chartYear);
    out += "       ===========                 =====   Place   =========               =====\n\n";
    for (size_t r = 0; r < ranking.size(); ++r) {
        const BandRow& row = ranking[r];
        appendFormat(out, "%3d.   %s%3d    %4d    %s  %4d ", static_cast<int>(r + 1),
                     escapeHtmlText(row.name).c_str(), row.songCount,
                     averagePlace(row.points, listSize), escapeHtmlText(row.bestSong).c_str(),
                     row.bestPlace);
        out += "\n";
    }
}

}  // namespace hv
