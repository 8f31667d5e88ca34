#include "stats/top_artists.h"

#include <algorithm>

#include "app.h"
#include "console/help.h"
#include "html/html_escape.h"
#include "html/page_template.h"
#include "stats/artist_grouping.h"
#include "stats/statistics_paging.h"

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

void drawTopArtists(App& app, const std::vector<BandRow>& ranking, int minimum, int first) {
    Screen& s = app.screen;
    setAttribute(s, kAttrNormal);
    moveCursor(s, 0, 0);
    eraseToEndOfScreen(s);
    printText(s, "%4d   Top Artists                  Songs  Average Best Song    Minimum = %d",
              app.settings.chartYear, minimum);
    moveCursor(s, 1, 4);
    printText(s, "   ===========                  =====   Place  =========    %s",
              topArtistsModeName(app.statisticsMode));
    int rows = static_cast<int>(ranking.size());
    for (int line = 0; line < kStatisticsPageRows; ++line) {
        int r = first + line;
        moveCursor(s, 3 + line, 2);
        eraseToEndOfLine(s);
        if (r >= rows || ranking[r].songCount < minimum) continue;
        const BandRow& row = ranking[r];
        printText(s, "%3d. %s %3d    %4d   %s %4d", r + 1, row.name.c_str(), row.songCount,
                  averagePlace(row.points, app.songs.count), row.bestSong.c_str(), row.bestPlace);
    }
    moveCursor(s, 24, 2);
    putText(s, "(Q)uit (M)ode (+) (-) (G)enerate HTML ");
}

}  // namespace

const char* topArtistsModeName(int mode) {
    return (mode >= 0 && mode <= kModeMostPopular) ? kModeNames[mode] : "";
}

int nextTopArtistsMode(int mode) {
    return (mode >= kModeMostPopular || mode < 0) ? 0 : mode + 1;
}

std::vector<BandRow> rankArtists(const SongTable& songs, int mode, int minimum) {
    std::vector<BandRow> rows = groupByArtist(songs);
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

void writeTopArtistsPage(App& app, const std::vector<BandRow>& ranking) {
    publishPage(app, app.settings.templateRest, kTopArtistsPage,
                formatText("<TITLE>Top Artists %d</TITLE>\n", app.settings.chartYear),
                [&](std::string& out) {
                    appendTopArtistsPageBody(out, ranking, app.settings.chartYear, app.songs.count);
                });
}

void showTopArtists(App& app) {
    int minimum = kTopArtistsStartMinimum;
    int first = 0;
    std::vector<BandRow> ranking = rankArtists(app.songs, app.statisticsMode, minimum);
    auto rebuild = [&] {
        ranking = rankArtists(app.songs, app.statisticsMode, minimum);
        first = 0;
    };
    for (;;) {
        drawTopArtists(app, ranking, minimum, first);
        int key = waitKey(app.screen);
        if (applyPagingKey(key, first, static_cast<int>(ranking.size()))) continue;
        switch (key) {
            case kKeyF1:
                showHelp(app);
                break;
            case kKeyPlus:
                ++minimum;
                rebuild();
                break;
            case kKeyMinus:
                minimum = std::max(1, minimum - 1);
                rebuild();
                break;
            case 'M':
                app.statisticsMode = nextTopArtistsMode(app.statisticsMode);
                rebuild();
                break;
            case 'G':
                writeTopArtistsPage(app, ranking);
                break;
            case 'Q':
                return;
            default:
                break;
        }
    }
}

}  // namespace hv
