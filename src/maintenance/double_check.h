// Looking through the whole list for songs that occur twice: doubles are
// counted, look-alike pairs are shown and the later song removed on request.
#pragma once

#include <functional>

#include "database/song_table.h"

namespace hv {

enum class DoubleCheckAnswer { Remove, Keep, Automatic, Quit };

// A look-alike pair as shown, rows counted from 0. When `automatic` is set
// the answer is not asked for and the pair only counted.
struct DoubleCheckPair {
    int earlierRow;
    int laterRow;
    const Song& earlier;
    const Song& later;
    bool automatic;
};

struct DoubleCheckEvents {
    // Before the comparisons of each earlier row, with the song count.
    std::function<void(int earlierRow, int songCount)> checking;
    std::function<DoubleCheckAnswer(const DoubleCheckPair&)> lookAlike;
};

struct DoubleCheckResult {
    int checked = 0;  // the song count at the start
    int doubles = 0;
};

// Removals keep places without a gap, clear the row behind the last song and
// add 1 to the change count each. The indexed form takes the removed rows
// out of the table when it returns: during the run only the songs handed to
// the events are to be looked at.
DoubleCheckResult doubleCheck(SongTable& table, const DoubleCheckEvents& events);
// Every pair compared in turn: the same result, kept to check the indexed one.
DoubleCheckResult doubleCheckLiteral(SongTable& table, const DoubleCheckEvents& events);

}  // namespace hv
