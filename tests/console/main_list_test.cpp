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
}

TEST(MainList, ScrollingBounds) {
    // Songs, position before, keys, position after.
    const std::tuple<int, MainListPosition, std::vector<int>, MainListPosition> moves[] = {
        {0, {0, 0}, {kKeyEnd, kKeyPageDown, kKeyDown, kKeyUp}, {0, 0}},
        {5, {0, 18}, {kKeyDown, kKeyDown}, {0, 19}},
        {100, {15, 3}, {kKeyPageUp}, {0, 3}},
        {100, {79, 19}, {kKeyDown, kKeyDown}, {80, 19}},
        {100, {10, 1}, {kKeyUp}, {10, 0}}};
    for (const auto& [songs, from, keys, to] : moves) {
        MainListPosition p = from;
        for (int key : keys) p = scrollMainList(p, songs, key);
        EXPECT_EQ(p, to) << songs << " songs, from row " << from.firstShownRow;
    }
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
