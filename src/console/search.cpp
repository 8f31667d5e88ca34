#include "console/search.h"

#include "app.h"
#include "console/prompts.h"
#include "database/song_search.h"

namespace hv {

namespace {

// A match stands highlighted on the list's top line.
void showMatch(App& app, int row) {
    if (row < 0) return;
    app.firstShownRow = row;
    app.searchPosition = row;
    app.highlightOffset = 0;
}

}  // namespace

void findSong(App& app) {
    Screen& s = app.screen;
    moveCursor(s, 24, 0);
    eraseToEndOfLine(s);
    printText(s, "Search : ");
    syncCursor(s);
    readLine(s, app.searchText, kMessageTextMax);
    app.searchText = upperCase(app.searchText);
    if (std::optional<int> number = jumpTarget(app.searchText)) {
        // The highlight stays on its line; rows past the end show empty.
        app.firstShownRow = *number - 1;
        app.searchPosition = *number - 1;
        return;
    }
    showMatch(app, searchForward(app.songs, app.searchText, app.searchPosition));
}

void findNext(App& app) {
    showMatch(app, searchForward(app.songs, app.searchText, app.searchPosition));
}

void findPrevious(App& app) {
    showMatch(app, searchBackward(app.songs, app.searchText, app.searchPosition));
}

}  // namespace hv
