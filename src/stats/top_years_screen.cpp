#include "stats/top_years_screen.h"

#include "app.h"
#include "html/publish_screen.h"
#include "stats/artist_grouping.h"
#include "stats/statistics_list_screen.h"
#include "stats/top_years.h"

namespace hv {

void writeTopYearsPage(App& app, const std::vector<BandRow>& ranking) {
    publishPage(app, app.settings.templateRest, kTopYearsPage,
                formatText("<TITLE>Top Years %d</TITLE>\n", app.settings.chartYear),
                [&](std::string& out) {
                    appendTopYearsPageBody(out, ranking, app.settings.chartYear, app.songs.count);
                });
}

void showTopYears(App& app) {
    std::vector<BandRow> ranking = rankYears(app.songs, app.statisticsMode);
    StatisticsView view;
    view.drawHeader = [&](Screen& s) {
        printText(s,
                  "%4d   Top   Songs  Average Best Song of the Year                         Place",
                  app.settings.chartYear);
        moveCursor(s, 1, 4);
        putText(s, "  Years          Place                                                      ");
    };
    view.rowCount = [&] { return static_cast<int>(ranking.size()); };
    view.drawRow = [&](Screen& s, int r) {
        const BandRow& row = ranking[r];
        printText(s, "%2d.  %4d   %4d   %4d   %s - %s  %4d", r + 1, row.groupValue, row.songCount,
                  averagePlace(row.points, app.songs.count, PlaceCount::oneLess), row.name.c_str(),
                  row.bestSong.c_str(), row.bestPlace);
    };
    view.keyLine = "(Q)uit (M)ode (G)enerate HTML ";
    view.onKey = [&](int key) {
        switch (key) {
            case 'M':
                app.statisticsMode = nextYearsMode(app.statisticsMode);
                ranking = rankYears(app.songs, app.statisticsMode);
                return ViewKey::rebuilt;
            case 'G':
                writeTopYearsPage(app, ranking);
                return ViewKey::redraw;
            default:
                return ViewKey::redraw;
        }
    };
    runStatisticsView(app, view);
}

}  // namespace hv
