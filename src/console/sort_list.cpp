#include "console/sort_list.h"

#include "app.h"
#include "database/list_order.h"

namespace hv {

const char* sortMessage(int order) {
    switch (order) {
        case kSortArtist:
            return "Sorting on Artist, one moment...";
        case kSortSong:
            return "Sorting on Song, one moment...";
        case kSortRanking:
            return "Sorting on Ranking, one moment...";
        case kSortVotes:
            return "Sorting on Votes, one moment...";
        default:
            return "";
    }
}

void sortList(App& app) {
    Screen& s = app.screen;
    SavedRegion saved = openDialog(s, kMessageBox);
    moveCursor(s, 10, 24);
    putText(s, sortMessage(app.songs.sortOrder));
    // Show the notice even though the sort is over in a moment.
    pauseScreen(s, 0);
    sortRows(app.songs, app.songs.sortOrder);
    closeDialog(s, saved);
}

}  // namespace hv
