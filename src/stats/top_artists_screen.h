// The Top artists screen (key A).
#pragma once

#include <vector>

#include "database/song_table.h"

namespace hv {

struct App;

// Writes "artist.htm" from the template "HTML Template (rest)" and offers it.
void writeTopArtistsPage(App& app, const std::vector<BandRow>& ranking);

// Shows the ranking, 20 rows at a time, until Q.
void showTopArtists(App& app);

}  // namespace hv
