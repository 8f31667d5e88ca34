#include "console/search.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "console/main_commands.h"
#include "console/main_list.h"
#include "console/prompts.h"
#include "database/song_search.h"
#include "support/test_app.h"

namespace hv {

namespace {

// Sixty songs; "queen" in some form at rows 1, 2, 39, 40 and 41, a number
// only at row 3.
void addList(test::TestApp& t) {
    for (int r = 0; r < 60; ++r) {
        std::string artist = "Band " + std::string(1, static_cast<char>('a' + r % 26));
        std::string title = "Title";
        if (r == 1) artist = "Queen";
        if (r == 2) title = "Killer qUEEN";
        if (r == 3) artist = "Top 10010 Hits";
        if (r == 39 || r == 40 || r == 41) title = "Queen Medley";
        t.addSong(artist, title);
    }
}

// The first shown row, the highlight's line and the search position.
using Where = std::tuple<int, int, int>;

// Runs a search key (F with its typed text) and tells where the list stands.
Where search(test::TestApp& t, int key, const char* typed = nullptr) {
    if (typed) t.keys.line(typed);
    EXPECT_TRUE(runCommandKey(t.app, key));
    return {t.app.firstShownRow, t.app.highlightOffset, t.app.searchPosition};
}

}  // namespace

TEST(Search, NumbersJumpAndTheHighlightStays) {
    test::TestApp t;
    addList(t);
    t.app.highlightOffset = 6;
    EXPECT_EQ(search(t, 'F', "25"), Where(24, 6, 24));
    // Past the end of the list, and past the end of the table: only the
    // positions change.
    EXPECT_EQ(search(t, 'F', "10009"), Where(10008, 6, 10008));
    drawMainScreen(t.app);
    for (int row = 3; row <= 22; ++row) EXPECT_EQ(t.row(row), std::string(80, ' ')) << row;
    // N has no songs left behind that position; P goes back from the last
    // song rather than from rows that hold none.
    EXPECT_EQ(search(t, 'N'), Where(10008, 6, 10009));
    EXPECT_EQ(t.app.searchText, "10009");
    t.app.searchText = "QUEEN";
    EXPECT_EQ(search(t, 'P'), Where(41, 0, 41));

    // 0 and 10010 are not list positions: they are searched for as text.
    for (const char* text : {"0", "10010"}) {
        t.app.highlightOffset = 6;
        EXPECT_EQ(search(t, 'F', text), Where(3, 0, 3)) << text;
    }
}

TEST(Search, TextMatchesInAnyCaseAndStepsOnAndBack) {
    test::TestApp t;
    addList(t);
    EXPECT_EQ(search(t, 'F', "queen"), Where(1, 0, 1));
    EXPECT_EQ(t.app.searchText, "QUEEN");
    for (int row : {2, 39, 40, 41}) EXPECT_EQ(search(t, 'N'), Where(row, 0, row));
    for (int row : {40, 39, 2}) EXPECT_EQ(search(t, 'P'), Where(row, 0, row));
    // No match: the list stays, F searched from the top.
    EXPECT_EQ(search(t, 'F', "nowhere"), Where(2, 0, 0));
    // Trailing spaces match the padding of the names.
    EXPECT_EQ(search(t, 'F', "queen     "), Where(1, 0, 1));

    // Empty text matches the first row; P there finds nothing and leaves
    // the position at -1, from which N starts at row 0.
    t.app.firstShownRow = 30;
    t.app.highlightOffset = 7;
    EXPECT_EQ(search(t, 'F', ""), Where(0, 0, 0));
    t.app.highlightOffset = 4;
    EXPECT_EQ(search(t, 'P'), Where(0, 4, -1));
    search(t, 'P');
    EXPECT_EQ(search(t, 'N'), Where(0, 0, 0));
}

TEST(Search, EmptyTableOnlyLettersAToZUpperCasedAndTextBounded) {
    test::TestApp t;
    EXPECT_EQ(searchForward(t.app.songs, "", 0), -1);
    EXPECT_EQ(searchBackward(t.app.songs, "", 5), -1);
    t.app.firstShownRow = 3;
    EXPECT_EQ(search(t, 'F', "x"), Where(3, 0, 0));
    EXPECT_EQ(jumpTarget(" 7"), 7);
    EXPECT_FALSE(jumpTarget("-4"));
    EXPECT_FALSE(jumpTarget("10010"));

    t.addSong("Caf\xe9 Bleu", "Song");
    t.addSong("CAF\xc9 Noir", "Song");
    EXPECT_EQ(search(t, 'F', "caf\xc9"), Where(1, 0, 1));
    EXPECT_EQ(search(t, 'F', "caf\xe9"), Where(0, 0, 0));
    EXPECT_FALSE(rowMatches(t.app.songs.rows[0], "CAF\xc9"));

    // "Search : " stands on the bottom row: the text stops where the row ends.
    search(t, 'F', std::string(320, 'z').c_str());
    EXPECT_EQ(t.app.searchText, std::string(70, 'Z'));
    t.keys.text("abc");
    EXPECT_THROW(findSong(t.app), ScriptExhausted);
    EXPECT_EQ(t.row(24).substr(0, 13), "Search : abc ");
}

}  // namespace hv
