// Changing single songs from the main list: Insert, Delete, F3 (move) and F2
// (edit). Each works on the row selected when its key was pressed, and keeps
// the place numbers of the rows it shifts consecutive; Insert, Delete and
// move therefore refuse a list that is not in ranking order.
#pragma once

namespace hv {

struct App;

void insertSong(App& app);
void deleteSong(App& app);
void moveSong(App& app);
void editSong(App& app);

}  // namespace hv
