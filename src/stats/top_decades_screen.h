// The Top decades screen (key D).
#pragma once

#include <vector>

#include "database/song_table.h"

namespace hv {

struct App;

// Writes "decade.htm" from the template "HTML Template (rest)" and offers it.
void writeTopDecadesPage(App& app, const std::vector<BandRow>& ranking);

// Shows the ranking, 20 rows at a time, until Q.
void showTopDecades(App& app);

}  // namespace hv
