// The New and disappeared songs screen (key S).
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "database/song_table.h"
#include "stats/new_songs.h"

namespace hv {

struct App;

// Milliseconds from any fixed start. The screen reads it only to space out
// its progress updates, so a test can pass a clock of its own.
using MillisecondClock = std::function<std::int64_t()>;

// Progress is shown at most this often while a list is read and searched.
constexpr int kProgressIntervalMs = 40;

// Writes "newsongs.htm" or "gone.htm" from the template "HTML Template
// (rest)" and offers it.
void writeNewSongsPage(App& app, NewSongsMode mode, const std::vector<Song>& result);

// Shows the new songs first; N and D switch lists, (+) and (-) change the
// match length. Without the previous year's list it says so and returns.
void showNewSongs(App& app, const MillisecondClock& clock);
// The same on the system's steady clock.
void showNewSongs(App& app);

}  // namespace hv
