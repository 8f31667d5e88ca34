// The paging keys every statistics list shares: 20 rows a screen, Page Up and
// Page Down by 20, the cursor keys by 1, Home and End.
#pragma once

namespace hv {

constexpr int kStatisticsPageRows = 20;

// Moves the first shown row for a paging key and returns true, or returns
// false for any other key. The first shown row stays within 0 and
// rows - 20 (0 when everything fits on one screen).
bool applyPagingKey(int key, int& firstShownRow, int rows);

}  // namespace hv
