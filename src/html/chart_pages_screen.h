// The chart published from the main list: a series of linked pages (key H)
// and one summary page with the votes (key V).
#pragma once

#include "html/chart_pages.h"

namespace hv {

struct App;

// The list, settings and link tables of the run, as the pages read them.
ChartSource chartSource(const App& app);

// Key H: writes every chart page, then offers the first one.
void writeChartPages(App& app);
// Key V: writes the summary page, then offers it.
void writeSummaryPage(App& app);

}  // namespace hv
