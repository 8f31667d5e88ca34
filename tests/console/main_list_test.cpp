#include "console/main_list.h"

#include <gtest/gtest.h>

#include "support/test_app.h"

namespace hv {

namespace {

MainListPosition scrolled(MainListPosition p, int songs, std::initializer_list<int> keys) {
    for (int key : keys) p = scrollMainList(p, songs, key);
    return p;
}

void addSongs(test::TestApp& t, int n) {
    for (int i = 1; i <= n; ++i) t.addSong("Artist " + std::to_string(i), "Song");
}

}  // namespace

TEST(MainList, HeaderAndChangeCountField) {
    for (auto [count, field] :
         {std::pair{0, "      "}, {7, "   (7)"}, {11, "  (11)"}, {101, " (101)"}, {1001, "(1001)"}})
        EXPECT_EQ(changeCountField(count), field);

    test::TestApp t;
    t.app.songs.changeCount = 7;
    drawMainScreen(t.app);
    EXPECT_EQ(t.row(0),
              " 2026  HITVAULT Statistics      (mysongs.txt)         (7)            Year  2025 ");
    EXPECT_EQ(t.row(1),
              std::string(7, ' ') + std::string(19, '=') + std::string(43, ' ') + "====  ==== ");
    EXPECT_EQ(t.row(24).substr(0, 76),
              "(I)mport (Q)uit (C)ountry (A)rtist (Y)ear (D)ecade (B)and (H)TML (E)xplorer ");

    // A name of 12 characters or more gets no padding.
    t.app.settings.songDatabase = "chartlist2026.txt";
    t.app.songs.changeCount = 0;
    drawMainScreen(t.app);
    EXPECT_EQ(t.row(0).substr(0, 62),
              " 2026  HITVAULT Statistics      (chartlist2026.txt)           ");
}

TEST(MainList, WhichRowsAreListedAndTheHighlightBar) {
    test::TestApp t;
    t.addSong("Queen", "Bohemian Rhapsody", 1975, 1);
    t.addSong("", "nameless", 1999, 5).artist = "";
    t.addSong("Eagles", "Hotel California", 1977, 9999);
    t.addSong("Adele", "Hello", 2015, 0);
    // A stale row behind the last song stays invisible.
    t.app.songs.rows[4].artist = fitName("Ghost");
    t.app.highlightOffset = 2;
    drawMainScreen(t.app);
    EXPECT_EQ(t.row(3).substr(0, 79),
              "    1. Queen                         - Bohemian Rhapsody             1975     1");
    // The empty row uses no line, so number 2 is missing.
    EXPECT_EQ(t.row(4).substr(0, 79),
              "    3. Eagles                        - Hotel California              1977      ");
    EXPECT_EQ(t.row(5).substr(0, 79),
              "    4. Adele                         - Hello                         2015     0");
    EXPECT_EQ(t.row(6), std::string(80, ' '));
    // The highlight is on line 2, the fourth song, from column 1 to the edge.
    EXPECT_EQ(attributeAt(t.app.screen, 5, 0), kAttrNormal);
    for (int c = 1; c < 80; ++c) ASSERT_EQ(attributeAt(t.app.screen, 5, c), kAttrHighlight) << c;
    for (int row : {4, 6, 24}) EXPECT_EQ(attributeAt(t.app.screen, row, 40), kAttrNormal);

    // Near the end of the table only its last rows are read.
    t.app.songs.count = kSongCapacity;
    for (int r = 4; r < kSongCapacity; ++r) t.app.songs.rows[r].artist = fitName("Filler");
    auto lines = mainListLines(t.app.songs, 10000);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines.back().text.substr(0, 7), "10010. ");
    EXPECT_TRUE(mainListLines(t.app.songs, 10015).empty());
}

TEST(MainList, ScrollingBounds) {
    for (int key : {kKeyHome, kKeyEnd, kKeyPageUp, kKeyPageDown, kKeyUp, kKeyDown})
        EXPECT_EQ(scrollMainList({0, 0}, 0, key).firstShownRow, 0) << key;

    // Five songs: the list stays put, the highlight can reach an empty line.
    EXPECT_EQ(scrolled({0, 0}, 5, {kKeyEnd, kKeyPageDown}), (MainListPosition{0, 0}));
    MainListPosition p{0, 0};
    for (int i = 0; i < 25; ++i) p = scrollMainList(p, 5, kKeyDown);
    EXPECT_EQ(p, (MainListPosition{0, 19}));

    // 100 songs: the bottom is 80; the highlight stays where it is.
    EXPECT_EQ(scrolled({79, 3}, 100, {kKeyPageDown}), (MainListPosition{80, 3}));
    EXPECT_EQ(scrolled({79, 3}, 100, {kKeyPageDown, kKeyPageDown}), (MainListPosition{80, 3}));
    EXPECT_EQ(scrolled({15, 3}, 100, {kKeyPageUp}), (MainListPosition{0, 3}));
    EXPECT_EQ(scrolled({45, 3}, 100, {kKeyEnd}), (MainListPosition{80, 3}));
    EXPECT_EQ(scrolled({45, 3}, 100, {kKeyHome}), (MainListPosition{0, 3}));
    EXPECT_EQ(scrolled({79, 19}, 100, {kKeyDown, kKeyDown}), (MainListPosition{80, 19}));
    EXPECT_EQ(scrolled({10, 0}, 100, {kKeyUp}), (MainListPosition{9, 0}));
    EXPECT_EQ(scrolled({10, 1}, 100, {kKeyUp}), (MainListPosition{10, 0}));
}

TEST(MainList, LoopScrollsAndPassesOtherKeysOn) {
    test::TestApp t;
    addSongs(t, 100);
    t.app.firstShownRow = 10;
    // Cursor up on the top line shows rows 9 to 28 with the song just above
    // highlighted; a key without a command only redraws.
    t.keys.key(kKeyUp).key('Z').key(kKeyPageDown).key(kKeyPageDown).key(kKeyPageDown);
    t.keys.key(kKeyPageDown).key(kKeyPageDown);
    EXPECT_THROW(runMainMenu(t.app), ScriptExhausted);
    EXPECT_EQ(t.app.firstShownRow, 80);
    EXPECT_EQ(t.row(3).substr(1, 6), "  81. ");
    EXPECT_EQ(t.row(22).substr(1, 6), " 100. ");

    t.app.firstShownRow = 10;
    t.keys.key(kKeyUp);
    EXPECT_THROW(runMainMenu(t.app), ScriptExhausted);
    EXPECT_EQ(t.app.selectedRow(), 9);
    EXPECT_EQ(t.row(3).substr(1, 6), "  10. ");
    EXPECT_EQ(attributeAt(t.app.screen, 3, 1), kAttrHighlight);
}

}  // namespace hv
