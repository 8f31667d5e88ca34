// The Top years screen (key Y).
#pragma once

#include <vector>

#include "database/song_table.h"

namespace hv {

struct App;

// Writes "topyears.htm" from the template "HTML Template (rest)" and offers it.
void writeTopYearsPage(App& app, const std::vector<BandRow>& ranking);

// Shows the ranking, 20 rows at a time, until Q.
void showTopYears(App& app);

}  // namespace hv
