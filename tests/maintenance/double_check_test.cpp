#include "maintenance/double_check.h"

#include <gtest/gtest.h>

#include "support/song_lists.h"

namespace hv {
namespace {

using CheckFunction = DoubleCheckResult (*)(SongTable&, const DoubleCheckEvents&);

class DoubleCheck : public testing::TestWithParam<CheckFunction> {};

TEST_P(DoubleCheck, AnswersAndRenumbering) {
    using A = DoubleCheckAnswer;
    // The answers given in turn; the pairs shown (earlier-later row and the
    // later title, * when automatic); doubles, songs left, checking lines.
    const std::tuple<std::vector<A>, const char*, int, int, int> cases[] = {
        {{A::Remove, A::Keep}, "10-11 Sky,10-11 Day,", 3, 14, 14},
        {{A::Automatic}, "10-11 Sky,10-11 Day*,", 4, 14, 14},
        {{A::Quit}, "10-11 Sky,", 2, 15, 11},
        {{A::Keep, A::Keep, A::Keep}, "10-11 Sky,10-12 Day,11-12 Day,", 2, 15, 15},
    };
    for (const auto& [answers, pairs, doubles, left, checkingLines] : cases) {
        SongTable t;
        const char* titles[] = {"Alpha",   "Bravo", "Charlie", "Delta", "Echo",
                                "Foxtrot", "Golf",  "Hotel",   "India", "Juliet"};
        for (int i = 0; i < 10; ++i) test::addSong(t, "Band " + std::to_string(i), titles[i]);
        for (const char* end : {"Road", "Sky", "Day"})
            test::addSong(t, "Grateful Dead", std::string("Golden ") + end);
        test::addSong(t, "Band 0", "Alpha");  // an exact double of row 0
        test::addSong(t, "BAND 1", "bravo");  // a double of row 1 apart from case
        std::string shown;
        int checking = 0;
        DoubleCheckEvents events;
        events.checking = [&](int row, int) { EXPECT_EQ(row, checking++); };
        events.lookAlike = [&](const DoubleCheckPair& p) {
            shown += std::to_string(p.earlierRow) + "-" + std::to_string(p.laterRow) + " " +
                     p.later.song.substr(7, 3) + (p.automatic ? "*," : ",");
            const size_t n = std::count(shown.begin(), shown.end(), ',');
            return n <= answers.size() ? answers[n - 1] : A::Keep;
        };
        DoubleCheckResult r = GetParam()(t, events);
        EXPECT_EQ(std::tuple(shown, r.checked, r.doubles, t.count, t.changeCount, checking),
                  std::tuple(std::string(pairs), 15, doubles, left, 15 - left, checkingLines));
        for (int row = 0; row < t.count; ++row) EXPECT_EQ(t.rows[row].place, row + 1);
        EXPECT_EQ(t.rows[t.count].artist, "");
        if (left == 14) {
            EXPECT_EQ(t.rows[11].song.substr(7, 3), "Day");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(IndexedAndLiteral, DoubleCheck,
                         testing::Values(&doubleCheck, &doubleCheckLiteral));

}  // namespace
}  // namespace hv
