#include "console/search.h"

#include <gtest/gtest.h>

#include <tuple>

#include "console/main_commands.h"
#include "support/test_app.h"

namespace hv {

// Each step: a key (F with its text), then first shown row, highlight line, search position.
TEST(Search, FindNextAndPrevious) {
    test::TestApp t;
    for (int r = 0; r < 60; ++r) {
        std::string artist = r == 1 ? "Queen" : "Band";
        t.addSong(artist, r == 2                 ? "Killer qUEEN"
                          : (r >= 39 && r <= 41) ? "Queen Medley"
                          : r == 50              ? "25 or 6 to 4"
                                                 : "Title");
    }
    t.app.songs.rows[60].song = fitName("nowhere");  // a stale row behind the list
    t.app.highlightOffset = 6;
    const std::tuple<int, const char*, int, int, int> steps[] = {
        // A number jumps and the highlight stays, past the list's end too.
        {'F', "10009", 10008, 6, 10008},
        {'F', "25 or 6", 50, 0, 50},  // only a whole answer that is a number jumps
        // Text in any case; N and P step on and back.
        {'F', "queen", 1, 0, 1},
        {'N', "", 2, 0, 2},
        {'P', "", 1, 0, 1},
        {'F', "nowhere", 1, 0, 0},  // no match: the list stays
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
    }
}

}  // namespace hv
