#include "console/search.h"

#include <gtest/gtest.h>

#include <string>

#include "console/main_commands.h"
#include "console/main_list.h"
#include "console/prompts.h"
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

void search(test::TestApp& t, int key, const char* typed = nullptr) {
    if (typed) t.keys.line(typed);
    ASSERT_TRUE(runCommandKey(t.app, key));
}

}  // namespace

TEST(Search, NumbersJumpAndTheHighlightStays) {
    test::TestApp t;
    addList(t);
    t.app.highlightOffset = 6;
    search(t, 'F', "25");
    EXPECT_EQ(t.app.firstShownRow, 24);
    EXPECT_EQ(t.app.searchPosition, 24);
    EXPECT_EQ(t.app.highlightOffset, 6);

    // Past the end of the list, and past the end of the table: only the
    // positions change.
    search(t, 'F', "10009");
    EXPECT_EQ(t.app.firstShownRow, 10008);
    EXPECT_EQ(t.app.highlightOffset, 6);
    drawMainScreen(t.app);
    for (int row = 3; row <= 22; ++row) EXPECT_EQ(t.row(row), std::string(80, ' ')) << row;
    // N has no songs left behind that position; P goes back from the last
    // song rather than from rows that hold none.
    search(t, 'N');
    EXPECT_EQ(t.app.firstShownRow, 10008);
    EXPECT_EQ(t.app.searchText, "10009");
    t.app.searchText = "QUEEN";
    search(t, 'P');
    EXPECT_EQ(t.app.firstShownRow, 41);
    EXPECT_EQ(t.app.highlightOffset, 0);

    // 0 and 10010 are not list positions: they are searched for as text.
    for (const char* text : {"0", "10010"}) {
        t.app.highlightOffset = 6;
        search(t, 'F', text);
        EXPECT_EQ(t.app.firstShownRow, 3) << text;
        EXPECT_EQ(t.app.searchPosition, 3) << text;
        EXPECT_EQ(t.app.highlightOffset, 0) << text;
    }
}

TEST(Search, TextMatchesInAnyCaseAndStepsOnAndBack) {
    test::TestApp t;
    addList(t);
    search(t, 'F', "queen");
    EXPECT_EQ(t.app.searchText, "QUEEN");
    EXPECT_EQ(t.app.firstShownRow, 1);
    const int forward[] = {2, 39, 40, 41};
    for (int expected : forward) {
        search(t, 'N');
        EXPECT_EQ(t.app.firstShownRow, expected);
    }
    search(t, 'P');
    EXPECT_EQ(t.app.firstShownRow, 40);
    search(t, 'P');
    EXPECT_EQ(t.app.firstShownRow, 39);
    search(t, 'P');
    EXPECT_EQ(t.app.firstShownRow, 2);

    // No match further on: nothing changes but the position stepped by the key.
    search(t, 'F', "nowhere");
    EXPECT_EQ(t.app.firstShownRow, 2);
    // Trailing spaces match the padding of the names.
    search(t, 'F', "queen     ");
    EXPECT_EQ(t.app.firstShownRow, 1);
}

TEST(Search, EmptyTextAndTheStartOfTheList) {
    test::TestApp t;
    addList(t);
    t.app.firstShownRow = 30;
    t.app.highlightOffset = 7;
    search(t, 'F', "");
    EXPECT_EQ(t.app.firstShownRow, 0);
    EXPECT_EQ(t.app.highlightOffset, 0);
    EXPECT_EQ(t.app.searchPosition, 0);

    // P at row 0 finds nothing: the position goes to -1, the list stays.
    t.app.highlightOffset = 4;
    search(t, 'P');
    EXPECT_EQ(t.app.searchPosition, -1);
    EXPECT_EQ(t.app.firstShownRow, 0);
    EXPECT_EQ(t.app.highlightOffset, 4);
    search(t, 'P');
    search(t, 'N');
    EXPECT_EQ(t.app.firstShownRow, 0) << "a position before the list starts at row 0";
    EXPECT_EQ(t.app.searchPosition, 0);
}

TEST(Search, OnlyLettersAToZAreUpperCasedAndTextIsBounded) {
    test::TestApp t;
    t.addSong("Caf\xe9 Bleu", "Song");
    t.addSong("CAF\xc9 Noir", "Song");
    search(t, 'F', "caf\xc9");
    EXPECT_EQ(t.app.firstShownRow, 1);
    search(t, 'F', "caf\xe9");
    EXPECT_EQ(t.app.firstShownRow, 0);
    EXPECT_FALSE(rowMatches(t.app.songs.rows[0], "CAF\xc9"));

    search(t, 'F', std::string(320, 'z').c_str());
    EXPECT_EQ(t.app.searchText.size(), kMessageTextMax);

    t.keys.text("abc");
    EXPECT_THROW(findSong(t.app), ScriptExhausted);
    EXPECT_EQ(t.row(24).substr(0, 13), "Search : abc ");
}

TEST(Search, EmptyTableFindsNothing) {
    test::TestApp t;
    EXPECT_EQ(searchForward(t.app.songs, "", 0), -1);
    EXPECT_EQ(searchBackward(t.app.songs, "", 5), -1);
    t.app.firstShownRow = 3;
    search(t, 'F', "x");
    EXPECT_EQ(t.app.firstShownRow, 3);
    EXPECT_EQ(jumpTarget(" 7"), 7);
    EXPECT_FALSE(jumpTarget("-4"));
    EXPECT_FALSE(jumpTarget("10010"));
}

}  // namespace hv
