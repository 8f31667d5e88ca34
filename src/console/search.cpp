#include "console/search.h"

#include <algorithm>

#include "app.h"
#include "console/prompts.h"

namespace hv {

namespace {

bool containsUpper(std::string_view field, std::string_view upperText) {
    return upperCase(field).find(upperText) != std::string::npos;
}

// A match stands highlighted on the list's top line.
void showMatch(App& app, int row) {
    if (row < 0) return;
    app.firstShownRow = row;
    app.searchPosition = row;
    app.highlightOffset = 0;
}

}  // namespace

std::optional<int> jumpTarget(std::string_view text) {
    int number = readNumber(text);
    if (number < 1 || number > kHighestJump) return std::nullopt;
    return number;
}

bool rowMatches(const Song& row, std::string_view upperText) {
    return containsUpper(row.artist, upperText) || containsUpper(row.song, upperText);
}

int searchForward(const SongTable& table, std::string_view upperText, int from) {
    int last = std::min(table.count, kSongCapacity) - 1;
    for (int r = std::max(from, 0); r <= last; ++r)
        if (rowMatches(table.rows[r], upperText)) return r;
    return -1;
}

int searchBackward(const SongTable& table, std::string_view upperText, int from) {
    int last = std::min(table.count, kSongCapacity) - 1;
    for (int r = std::min(from, last); r >= 0; --r)
        if (rowMatches(table.rows[r], upperText)) return r;
    return -1;
}

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
