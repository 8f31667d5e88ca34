#include "stats/top_artists_screen.h"

#include <algorithm>

#include "app.h"
#include "html/publish_screen.h"
#include "stats/artist_grouping.h"
#include "stats/statistics_list_screen.h"
#include "stats/top_artists.h"

namespace hv {

void writeTopArtistsPage(App& app, const std::vector<BandRow>& ranking) {
    publishPage(app, app.settings.templateRest, kTopArtistsPage,
                formatText("<TITLE>Top Artists %d</TITLE>\n", app.settings.chartYear),
                [&](std::string& out) {
                    appendTopArtistsPageBody(out, ranking, app.settings.chartYear, app.songs.count);
                });
}

void showTopArtists(App& app) {
    int minimum = kTopArtistsStartMinimum;
    std::vector<BandRow> ranking = rankArtists(app.songs, app.statisticsMode, minimum);
    auto rebuild = [&] {
        ranking = rankArtists(app.songs, app.statisticsMode, minimum);
        return ViewKey::rebuilt;
    };
    StatisticsView view;
    view.drawHeader = [&](Screen& s) {
        printText(s, "%4d   Top Artists                  Songs  Average Best Song    Minimum = %d",
                  app.settings.chartYear, minimum);
        moveCursor(s, 1, 4);
        printText(s, "   ===========                  =====   Place  =========    %s",
                  topArtistsModeName(app.statisticsMode));
    };
    view.rowCount = [&] { return static_cast<int>(ranking.size()); };
    view.drawRow = [&](Screen& s, int r) {
        const BandRow& row = ranking[r];
        if (row.songCount < minimum) return;
        printText(s, "%3d. %s %3d    %4d   %s %4d", r + 1, row.name.c_str(), row.songCount,
                  averagePlace(row.points, app.songs.count), row.bestSong.c_str(), row.bestPlace);
    };
    view.keyLine = "(Q)uit (M)ode (+) (-) (G)enerate HTML ";
    view.onKey = [&](int key) {
        if (applyLimitKey(key, minimum, 1)) return rebuild();
        switch (key) {
            case 'M':
                app.statisticsMode = nextTopArtistsMode(app.statisticsMode);
                return rebuild();
            case 'G':
                writeTopArtistsPage(app, ranking);
                return ViewKey::redraw;
            default:
                return ViewKey::redraw;
        }
    };
    runStatisticsView(app, view);
}

}  // namespace hv
