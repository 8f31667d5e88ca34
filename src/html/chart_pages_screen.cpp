#include "html/chart_pages_screen.h"

#include <chrono>

#include "app.h"
#include "html/publish_screen.h"

namespace hv {

namespace {

// Row 23 stays empty on the main screen, and the offer's box is drawn
// higher up, so the count stays readable behind it.
constexpr int kProgressRow = 23;
constexpr int kProgressColumn = 2;
// Presenting every one of 10,000 small pages would cost more than writing
// them; a count that moves this often is enough to show the work goes on.
constexpr auto kProgressInterval = std::chrono::milliseconds(50);

void showPageBeingWritten(Screen& s, int page, int lastPage) {
    moveCursor(s, kProgressRow, kProgressColumn);
    eraseToEndOfLine(s);
    printText(s, "Writing page %d of %d", page + 1, lastPage + 1);
    pauseScreen(s, 0);
}

}  // namespace

ChartSource chartSource(const App& app) {
    return {app.env.workingFolder, app.songs, app.settings, app.links};
}

void writeChartPages(App& app) {
    Screen& s = app.screen;
    using Clock = std::chrono::steady_clock;
    Clock::time_point lastShown;
    ChartPagesResult result = writeChartPages(chartSource(app), [&](int page, int lastPage) {
        Clock::time_point now = Clock::now();
        // The first and the last page always, so the count ends complete.
        if (page != 0 && page != lastPage && now - lastShown < kProgressInterval) return;
        lastShown = now;
        showPageBeingWritten(s, page, lastPage);
    });
    if (result.status != PageStatus::written) {
        moveCursor(s, kProgressRow, kProgressColumn);
        eraseToEndOfLine(s);
    }
    if (!reportPageStatus(app, result.status, app.settings.templateMain, result.pageName)) return;
    offerPage(app, chartPageName(0), "top00000.htm generated...");
}

void writeSummaryPage(App& app) {
    ChartSource source = chartSource(app);
    publishPage(app, app.settings.templateRest, kSummaryPage,
                chartTitleLine(app.settings.chartYear),
                [&](std::string& out) { appendSummaryPageBody(out, source); });
}

}  // namespace hv
