#include "stats/band_overview_screen.h"

#include <algorithm>

#include "app.h"
#include "html/publish_screen.h"
#include "html/vote_form.h"
#include "stats/statistics_list_screen.h"

namespace hv {

namespace {

// Builds the overview behind the "one moment" box; the box is taken away
// again before the list is drawn.
std::vector<OverviewLine> rebuildOverview(App& app, int minimum) {
    SavedRegion saved = openDialog(app.screen, kMessageBox);
    putTextAt(app.screen, 10, 24,
              app.statisticsMode == kBandModeAlphabet ? "Sorting on Alphabet, one moment..."
                                                      : "Sorting on Artist, one moment...");
    std::vector<OverviewLine> lines = buildBandOverview(app.songs, app.statisticsMode, minimum);
    closeDialog(app.screen, saved);
    return lines;
}

}  // namespace

void writeBandOverviewPage(App& app, const std::vector<OverviewLine>& lines, int minimum) {
    publishPage(app, app.settings.templateRest, bandOverviewPageName(app.statisticsMode),
                formatText("<TITLE>Song Overview %d</TITLE>\n", app.settings.chartYear),
                [&](std::string& out) {
                    appendBandOverviewPageBody(out, app.songs, lines, app.settings.chartYear,
                                               minimum, app.statisticsMode);
                });
}

void writeVoteForm(App& app, const std::vector<OverviewLine>& lines) {
    publishPage(app, app.settings.voteForm, kVoteFormPage, kVoteFormTitle, [&](std::string& out) {
        appendVoteFormBody(out, app.songs, lines, app.statisticsMode);
    });
}

void showBandOverview(App& app) {
    int minimum = kBandOverviewStartMinimum;
    app.statisticsMode = kBandModeNormal;
    std::vector<OverviewLine> lines = rebuildOverview(app, minimum);
    auto rebuild = [&] {
        lines = rebuildOverview(app, minimum);
        return ViewKey::rebuilt;
    };
    StatisticsView view;
    view.drawHeader = [&](Screen& s) {
        printText(s, "%4d   Song Overview                Songs  Place  Song       Minimum = %d",
                  app.settings.chartYear, minimum);
        moveCursor(s, 1, 4);
        printText(s, "   =============                =====  =====  =====      Mode    = %s",
                  bandOverviewModeName(app.statisticsMode));
    };
    view.rowCount = [&] { return static_cast<int>(lines.size()); };
    view.drawRow = [&](Screen& s, int r) {
        const OverviewLine& line = lines[r];
        const Song& song = app.songs.rows[line.row];
        printText(s, "%3d. %s %s  %4d   %s", line.number, song.artist.c_str(),
                  overviewCountText(line).c_str(), song.place, song.song.c_str());
    };
    view.keyLine = "(Q)uit (M)ode (+) (-) (G)enerate HTML (S)cript ";
    view.onKey = [&](int key) {
        if (applyLimitKey(key, minimum, 1)) return rebuild();
        switch (key) {
            case 'M':
                app.statisticsMode = nextBandOverviewMode(app.statisticsMode);
                return rebuild();
            case 'G':
                writeBandOverviewPage(app, lines, minimum);
                return ViewKey::redraw;
            case 'S':
                writeVoteForm(app, lines);
                return ViewKey::redraw;
            default:
                return ViewKey::redraw;
        }
    };
    runStatisticsView(app, view);
}

}  // namespace hv
