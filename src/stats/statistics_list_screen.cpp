#include "stats/statistics_list_screen.h"

#include <algorithm>

#include "app.h"
#include "console/help.h"

namespace hv {

namespace {

void drawView(Screen& s, const StatisticsView& view, int first) {
    setAttribute(s, kAttrNormal);
    moveCursor(s, 0, 0);
    eraseToEndOfScreen(s);
    view.drawHeader(s);
    int rows = view.rowCount();
    int skipped = 0;  // rows that took no screen line
    for (int line = 0; line < kStatisticsPageRows; ++line) {
        int r = first + line;
        moveCursor(s, kStatisticsTopRow + line - skipped, view.rowColumn);
        eraseToEndOfLine(s);
        if (r >= rows) continue;
        if (view.takesLine && !view.takesLine(r))
            ++skipped;
        else
            view.drawRow(s, r);
    }
    moveCursor(s, 24, view.keyColumn);
    putText(s, view.keyLine);
}

}  // namespace

bool applyPagingKey(int key, int& firstShownRow, int rows) {
    int lastFirst = std::max(0, rows - kStatisticsPageRows);
    switch (key) {
        case kKeyPageUp:
            firstShownRow -= kStatisticsPageRows;
            break;
        case kKeyPageDown:
            firstShownRow += kStatisticsPageRows;
            break;
        case kKeyUp:
            firstShownRow -= 1;
            break;
        case kKeyDown:
            firstShownRow += 1;
            break;
        case kKeyHome:
            firstShownRow = 0;
            break;
        case kKeyEnd:
            firstShownRow = lastFirst;
            break;
        default:
            return false;
    }
    firstShownRow = std::clamp(firstShownRow, 0, lastFirst);
    return true;
}

bool applyLimitKey(int key, int& value, int lowest, int highest) {
    if (key == kKeyPlus) {
        if (value < highest) ++value;
        return true;
    }
    if (key == kKeyMinus) {
        if (value > lowest) --value;
        return true;
    }
    return false;
}

void runStatisticsView(App& app, const StatisticsView& view) {
    int first = 0;
    for (;;) {
        drawView(app.screen, view, first);
        int key = waitKey(app.screen);
        if (applyPagingKey(key, first, view.rowCount())) continue;
        if (key == kKeyF1) {
            showHelp(app);
            continue;
        }
        if (key == 'Q') return;
        switch (view.onKey ? view.onKey(key) : ViewKey::redraw) {
            case ViewKey::rebuilt:
                first = 0;
                break;
            case ViewKey::leave:
                return;
            case ViewKey::redraw:
                break;
        }
    }
}

}  // namespace hv
