#include "console/main_list.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include "console/main_commands.h"
#include "database/save_list.h"
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

// Changes the terminal ends the run on go to the rescue copy in ranking order; where it cannot
// be written, Q on the size notice leaves the list running and only a signal ends it.
TEST(MainList, UnsavedChangesWhenTheTerminalEndsTheRun) {
    test::TestApp t;
    t.addSong("Queen", "Song");
    t.addSong("ABBA", "Song");
    const std::string ranked = formatSongList(t.app.songs, t.app.settings.chartYear);
    ASSERT_TRUE(runCommandKey(t.app, kKeyF6));
    t.app.songs.changeCount = 1;
    auto endWith = [&](int signal) {
        t.keys.ending(signal);
        try {
            runMainMenu(t.app);
        } catch (const ProgramExit& e) {
            return e.status;
        }
        return -1;
    };
    std::filesystem::create_directory(t.folder + "mysongs.txt.save");
    EXPECT_THROW(endWith(0), ScriptExhausted);
    EXPECT_EQ(t.keys.notes.at(0),
              "Could not write mysongs.txt.save: enlarge the window, then save");
    EXPECT_EQ(endWith(SIGTERM), 128 + SIGTERM);
    std::filesystem::remove(t.folder + "mysongs.txt.save");
    EXPECT_EQ(endWith(0), 0);
    EXPECT_EQ(t.keys.notes.back(), "Unsaved changes kept in mysongs.txt.save");
    EXPECT_EQ(t.readFile("mysongs.txt.save"), ranked);
}

}  // namespace hv
