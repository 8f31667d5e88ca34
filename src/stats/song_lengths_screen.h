// The Song length screen (key T).
#pragma once

#include "stats/song_lengths.h"

namespace hv {

struct App;

// Writes "time1.htm", "time2.htm" or "time3.htm" from the template "HTML
// Template (rest)" and offers it.
void writeSongLengthsPage(App& app, const SongLengths& lengths);

// Shows the longest songs first; L, S, B and A choose the kind; Q returns.
void showSongLengths(App& app);

}  // namespace hv
