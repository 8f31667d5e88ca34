// The list screen every statistics view shares: its header, 20 rows from the
// first shown one, the key line, paging, F1 for the help and Q to return.
// A view brings its rows and its own keys; the loop does the rest.
#pragma once

#include <climits>
#include <functional>
#include <string>

#include "console/terminal/screen.h"

namespace hv {

struct App;

constexpr int kStatisticsPageRows = 20;
// The first list line is screen row 3.
constexpr int kStatisticsTopRow = 3;

// Moves the first shown row for a paging key and returns true, or returns
// false for any other key. The first shown row stays within 0 and
// rows - 20 (0 when everything fits on one screen).
bool applyPagingKey(int key, int& firstShownRow, int rows);

// Keypad + and -: a view's minimum or maximum one up or one down, never
// past its bounds. True for either key, also at a bound: the view rebuilds
// as it would otherwise.
bool applyLimitKey(int key, int& value, int lowest, int highest = INT_MAX);

// What a view's own key did.
enum class ViewKey {
    redraw,   // anything else: redraw at the same first shown row
    rebuilt,  // the rows were built anew: show them from the top
    leave,    // back to the main menu
};

struct StatisticsView {
    // Rows 0 and 1, on a cleared screen.
    std::function<void(Screen&)> drawHeader;
    // The number of rows the paging keys move over.
    std::function<int()> rowCount;
    // Row r (below rowCount) at the cursor, on its screen line at
    // rowColumn, erased to its end; it may print nothing.
    std::function<void(Screen&, int r)> drawRow;
    // Optional: a row for which this is false prints nothing and takes no
    // screen line, so the rows below it move up one line.
    std::function<bool(int r)> takesLine;
    int rowColumn = 2;
    std::string keyLine;  // at (24, keyColumn)
    int keyColumn = 2;
    // A key that is neither a paging key, F1 nor Q.
    std::function<ViewKey(int key)> onKey;
};

// Draws the view after every key until Q (or a view's key leaves).
void runStatisticsView(App& app, const StatisticsView& view);

}  // namespace hv
