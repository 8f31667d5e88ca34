#include "html/chart_pages_screen.h"

#include "app.h"
#include "html/publish_screen.h"

namespace hv {

ChartSource chartSource(const App& app) {
    return {app.env.workingFolder, app.songs, app.settings, app.links};
}

void writeChartPages(App& app) {
    ChartPagesResult result = writeChartPages(chartSource(app));
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
