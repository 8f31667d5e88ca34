// The sort commands: the list put in one of its four orders, with the
// order's notice shown meanwhile.
#pragma once

namespace hv {

struct App;

// The notice shown while sorting, or "" for an unknown order.
const char* sortMessage(int order);

// Sorts the list by app.songs.sortOrder, showing the order's notice meanwhile.
// Sorting is not a change: the change count stays.
void sortList(App& app);

}  // namespace hv
