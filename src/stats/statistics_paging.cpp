#include "stats/statistics_paging.h"

#include <algorithm>

#include "console/screen.h"

namespace hv {

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

}  // namespace hv
