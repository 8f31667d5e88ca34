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
}

TEST(MainList, ScrollingBounds) {
    // Songs, position before, keys, position after.
    const std::tuple<int, MainListPosition, std::vector<int>, MainListPosition> moves[] = {
        {0, {0, 0}, {kKeyEnd, kKeyPageDown, kKeyDown, kKeyUp}, {0, 0}},
        {5, {0, 18}, {kKeyDown, kKeyDown}, {0, 19}},
        {100, {15, 3}, {kKeyPageUp}, {0, 3}},
        {100, {79, 19}, {kKeyDown, kKeyDown}, {80, 19}}};
    for (const auto& [songs, from, keys, to] : moves) {
        MainListPosition p = from;
        for (int key : keys) p = scrollMainList(p, songs, key);
        EXPECT_EQ(p, to) << songs << " songs, from row " << from.firstShownRow;
    }
}

// The rescue copy, in ranking order; unwritable, only a signal ends the run.
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
