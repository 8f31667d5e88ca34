// The Band overview screen (key B) and the vote form it writes.
#pragma once

#include <vector>

#include "stats/band_overview.h"

namespace hv {

struct App;

// Writes "band1.htm" or "band2.htm" (by the mode) from the template
// "HTML Template (rest)" and offers it.
void writeBandOverviewPage(App& app, const std::vector<OverviewLine>& lines, int minimum);

// Writes "vote.htm" from the template "HTML Form (vote)" and offers it.
void writeVoteForm(App& app, const std::vector<OverviewLine>& lines);

// Shows the overview, 20 lines at a time, until Q.
void showBandOverview(App& app);

}  // namespace hv
