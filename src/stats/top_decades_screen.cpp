#include "stats/top_decades_screen.h"

#include "app.h"
#include "html/publish_screen.h"
#include "stats/artist_grouping.h"
#include "stats/statistics_list_screen.h"
#include "stats/top_decades.h"
#include "stats/top_years.h"

namespace hv {

void writeTopDecadesPage(App& app, const std::vector<BandRow>& ranking) {
    publishPage(app, app.settings.templateRest, kTopDecadesPage,
                formatText("<TITLE>Top Decades %d</TITLE>\n", app.settings.chartYear),
                [&](std::string& out) {
                    appendTopDecadesPageBody(out, ranking, app.settings.chartYear, app.songs.count);
                });
}

void showTopDecades(App& app) {
    std::vector<BandRow> ranking = rankDecades(app.songs, app.statisticsMode);
    StatisticsView view;
    view.drawHeader = [&](Screen& s) {
        printText(s,
                  "%4d   Top   Songs  Average Best Song of the Decade                       Place",
                  app.settings.chartYear);
        moveCursor(s, 1, 4);
        putText(s, "  Decade         Place                                                      ");
    };
    view.rowCount = [&] { return static_cast<int>(ranking.size()); };
    // The slot of the years 0 to 9 keeps its rank but takes no line.
    view.takesLine = [&](int r) { return isListedDecade(ranking[r]); };
    view.drawRow = [&](Screen& s, int r) {
        const BandRow& row = ranking[r];
        printText(s, "%2d.  %s   %4d   %4d   %s - %s  %4d", r + 1, decadeLabel(row.groupValue),
                  row.songCount, averagePlace(row.points, app.songs.count, PlaceCount::oneLess),
                  row.name.c_str(), row.bestSong.c_str(), row.bestPlace);
    };
    view.keyLine = "(Q)uit (M)ode (G)enerate HTML ";
    view.onKey = [&](int key) {
        switch (key) {
            case 'M':
                app.statisticsMode = nextYearsMode(app.statisticsMode);
                ranking = rankDecades(app.songs, app.statisticsMode);
                return ViewKey::rebuilt;
            case 'G':
                writeTopDecadesPage(app, ranking);
                return ViewKey::redraw;
            default:
                return ViewKey::redraw;
        }
    };
    runStatisticsView(app, view);
}

}  // namespace hv
