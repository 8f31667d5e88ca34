#include "console/main_list.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include "support/test_app.h"

namespace hv {

TEST(MainList, TheScreen) {
    test::TestApp t;
    t.app.songs.changeCount = 7;
    t.addSong("Queen", "Bohemian Rhapsody", 1975, 1);
    t.addSong("", "nameless", 1999, 5).artist = "";  // uses no line: number 2 is missing
    t.addSong("Eagles", "Hotel California", 1977, 9999);
    t.addSong("Adele", "Hello", 2015, 0);
    t.app.songs.rows[4].artist = fitName("Ghost");  // behind the last song: never shown
    t.app.highlightOffset = 2;
    drawMainScreen(t.app);
    EXPECT_TRUE(test::showsGolden(t, "tests/console/data/main_screen.txt"));
    // The highlight: line 2, from column 1 to the edge.
    for (int c = 0; c < 80; ++c)
        ASSERT_EQ(attributeAt(t.app.screen, 5, c), c ? kAttrHighlight : kAttrNormal) << c;
    for (int row : {4, 6, 24}) EXPECT_EQ(attributeAt(t.app.screen, row, 40), kAttrNormal);
    EXPECT_EQ(changeCountField(0) + changeCountField(101) + changeCountField(1001),
              "       (101)(1001)");  // the change count's field grows

    // Near the end of the table only its last rows are read.
    t.app.songs.count = kSongCapacity;
    for (int r = 4; r < kSongCapacity; ++r) t.app.songs.rows[r].artist = fitName("Filler");
    auto lines = mainListLines(t.app.songs, 10000);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines.back().text.substr(0, 7), "10010. ");
    EXPECT_TRUE(mainListLines(t.app.songs, 10015).empty());
}

TEST(MainList, ScrollingBounds) {
    // Songs, position before, keys, position after.
    const std::tuple<int, MainListPosition, std::vector<int>, MainListPosition> moves[] = {
        {0, {0, 0}, {kKeyEnd, kKeyPageDown, kKeyDown, kKeyUp}, {0, 0}},
        {5, {0, 0}, {kKeyEnd, kKeyPageDown}, {0, 0}},
        {5, {0, 18}, {kKeyDown, kKeyDown}, {0, 19}},
        {100, {79, 3}, {kKeyPageDown, kKeyPageDown}, {80, 3}},
        {100, {15, 3}, {kKeyPageUp}, {0, 3}},
        {100, {45, 3}, {kKeyEnd}, {80, 3}},
        {100, {45, 3}, {kKeyHome}, {0, 3}},
        {100, {79, 19}, {kKeyDown, kKeyDown}, {80, 19}},
        {100, {10, 0}, {kKeyUp}, {9, 0}},
        {100, {10, 1}, {kKeyUp}, {10, 0}}};
    for (const auto& [songs, from, keys, to] : moves) {
        MainListPosition p = from;
        for (int key : keys) p = scrollMainList(p, songs, key);
        EXPECT_EQ(p, to) << songs << " songs from " << from.firstShownRow << ","
                         << from.highlightOffset;
    }
}

TEST(MainList, LongValuesAndControlBytesStayOnTheirRow) {
    test::TestApp t;
    t.app.settings.songDatabase = std::string(60, 'n') + ".txt";  // cut: "Year" stays
    t.app.songs.count = kSongCapacity;
    for (int r = 0; r < kSongCapacity; ++r) t.app.songs.rows[r].artist = fitName("Filler");
    Song& odd = t.app.songs.rows[10000];
    odd.artist = fitName(std::string("Nul\0and\rCR", 11));
    odd.song = fitName("Title");
    odd.year = odd.prevRank = 1234567890;
    t.app.firstShownRow = 10000;
    drawMainScreen(t.app);
    EXPECT_EQ(t.row(0).substr(69, 4), "Year");
    EXPECT_EQ(t.row(3),
              " 10001. " + fitName("Nul and CR") + " - " + fitName("Title") + " 1234567890");
    for (int row = 1; row < 24; ++row) EXPECT_EQ(t.row(row)[0], ' ') << row;  // nothing wrapped
}

// Where the rescue copy cannot be written, Q on the size notice leaves the list running.
TEST(MainList, ChangesThatCannotBeKeptEndTheRunOnlyOnASignal) {
    test::TestApp t;
    t.app.songs.changeCount = 1;
    std::filesystem::create_directory(t.folder + "mysongs.txt.save");
    t.keys.ending(0);
    EXPECT_THROW(runMainMenu(t.app), ScriptExhausted);
    EXPECT_EQ(t.keys.notes.at(0),
              "Could not write mysongs.txt.save: enlarge the window, then save");
    t.keys.ending(SIGTERM);
    try {
        runMainMenu(t.app);
    } catch (const ProgramExit& e) {
        EXPECT_EQ(e.status, 128 + SIGTERM);
    }
}

}  // namespace hv
