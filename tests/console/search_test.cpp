#include "console/search.h"

#include <gtest/gtest.h>

#include <tuple>

#include "console/main_commands.h"
#include "console/main_list.h"
#include "support/test_app.h"

namespace hv {

// Each step: a key (F with its text), then first shown row, highlight line, search position.
TEST(Search, FindNextAndPrevious) {
    test::TestApp t;
    for (int r = 0; r < 60; ++r) {
        std::string artist = r == 1 ? "Queen" : r == 3 ? "Top 10010 Hits" : "Band";
        t.addSong(artist, r == 2                 ? "Killer qUEEN"
                          : (r >= 39 && r <= 41) ? "Queen Medley"
                          : r == 50              ? "25 or 6 to 4"
                                                 : "Title");
    }
    t.app.highlightOffset = 6;
    const std::tuple<int, const char*, int, int, int> steps[] = {
        // A number jumps and the highlight stays, past the list's end too.
        {'F', "25", 24, 6, 24},
        {'F', "10009", 10008, 6, 10008},
        {'N', "", 10008, 6, 10009},   // no songs left behind that position
        {'F', "10010", 3, 0, 3},      // not a list position: searched as text
        {'F', "25 or 6", 50, 0, 50},  // only a whole answer that is a number jumps
        // Text in any case; N and P step on and back.
        {'F', "queen", 1, 0, 1},
        {'N', "", 2, 0, 2},
        {'N', "", 39, 0, 39},
        {'N', "", 40, 0, 40},
        {'P', "", 39, 0, 39},
        {'P', "", 2, 0, 2},
        {'F', "nowhere", 2, 0, 0},  // no match: the list stays
        // Empty text matches row 0; P there leaves -1, from which N starts at 0.
        {'F', "", 0, 0, 0},
        {'P', "", 0, 0, -1},
        {'N', "", 0, 0, 0}};
    for (auto [key, typed, first, line, position] : steps) {
        if (key == 'F') t.keys.line(typed);
        ASSERT_TRUE(runCommandKey(t.app, key));
        EXPECT_EQ(std::tuple(t.app.firstShownRow, t.app.highlightOffset, t.app.searchPosition),
                  std::tuple(first, line, position))
            << static_cast<char>(key) << " " << typed;
        if (position == 10008) {
            drawMainScreen(t.app);  // rows past the end show empty
            for (int row = 3; row <= 22; ++row) EXPECT_EQ(t.row(row), std::string(80, ' ')) << row;
        }
    }
    // P goes back from the last song rather than from rows that hold none.
    t.app.searchPosition = 10008;
    t.app.searchText = "QUEEN";
    ASSERT_TRUE(runCommandKey(t.app, 'P'));
    EXPECT_EQ(t.app.firstShownRow, 41);
}

}  // namespace hv
