#include "publish.h"

#include <vector>

#include "database/working_list.h"
#include "html/chart_pages.h"
#include "html/site_pages.h"

namespace hv {

namespace {

const char* why(PageStatus status) {
    return status == PageStatus::templateMissing ? "template not present" : "could not be written";
}

}  // namespace

int publishSite(const std::string& folder, int currentYear, std::FILE* out, std::FILE* err) {
    WorkingList list = loadWorkingList(folder, currentYear);
    if (!list.problem.empty()) std::fprintf(err, "hitvault: %s\n", list.problem.c_str());
    if (!list.loaded) return 1;
    int failures = 0;
    auto report = [&](const std::string& page, const std::string& templateName, PageStatus status) {
        if (status == PageStatus::written) {
            std::fprintf(out, "%s generated\n", page.c_str());
            return;
        }
        ++failures;
        std::fprintf(err, "hitvault: %s not written: %s %s\n", page.c_str(), templateName.c_str(),
                     why(status));
    };

    const Settings& settings = list.settings;
    ChartSource source{folder, list.songs, settings, list.links};
    std::vector<int> started;
    ChartPagesResult chart =
        writeChartPages(source, [&](int page, int) { started.push_back(page); });
    for (int page : started) {
        // The series stops at the page that failed; the ones before it stand.
        if (chart.status != PageStatus::written && page == started.back()) break;
        std::fprintf(out, "%s generated\n", chartPageName(page).c_str());
    }
    if (chart.status != PageStatus::written)
        report(chart.pageName, settings.templateMain, chart.status);

    report(kSummaryPage, settings.templateRest,
           writeTemplatePage(folder, settings.templateRest, kSummaryPage,
                             chartTitleLine(settings.chartYear),
                             [&](std::string& body) { appendSummaryPageBody(body, source); }));

    for (const SitePage& page : statisticsPages(folder, list.songs, settings)) {
        if (!page.problem.empty()) {
            ++failures;
            std::fprintf(err, "hitvault: %s not written: %s\n", page.pageName.c_str(),
                         page.problem.c_str());
            continue;
        }
        report(
            page.pageName, page.templateName,
            writeTemplatePage(folder, page.templateName, page.pageName, page.titleLine, page.body));
    }
    return failures == 0 ? 0 : 1;
}

}  // namespace hv
