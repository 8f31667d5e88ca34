// Finding songs from the main list: F asks for a text (or a number to jump
// to), N and P step to the next and previous match of the same text.
#pragma once

namespace hv {

struct App;

// F: the caller has set the search position to 0.
void findSong(App& app);
// N: the caller has added 1 to the search position.
void findNext(App& app);
// P: the caller has subtracted 1 from the search position.
void findPrevious(App& app);

}  // namespace hv
