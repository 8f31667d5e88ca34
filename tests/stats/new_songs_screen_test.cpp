#include "stats/new_songs_screen.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "console/main_commands.h"
#include "database/song_list_fixtures.h"

namespace hv {

namespace {

void runUntilKeysRunOut(test::TestApp& t) {
    EXPECT_THROW(runCommandKey(t.app, 'S'), ScriptExhausted);
}

std::string golden(const std::string& name) {
    return readWholeFile(test::sourcePath("tests/stats/data/" + name)).value();
}

}  // namespace

TEST(NewSongsScreen, ScreenKeysAndPages) {
    test::TestApp t;
    // New songs (prevRank 0, not 9999), one without a year, names to escape.
    t.addSong("Queen", "Bohemian Rhapsody", 1975, 1);
    t.addSong("The Beatles", "Let It Be", 1970, 0);
    t.addSong("Simon & Garfunkel", "The Boxer", 1969, 0);
    t.addSong("ABBA", "Dancing Queen", 1976, 9999);
    t.addSong("Jones", "Bernie", 1973, 5);
    t.addSong("Abba", "Allot", 1990, 7);
    t.addSong("Nameless", "No Year", 0, 0);
    t.addSong("The \"Quoted\" Band", "A<B>C & D", 2001, 0);
    t.app.songs.changeCount = 3;
    t.writeFile("base2.htm", test::htmlData("template.htm"));
    // No list of last year: a message, a key, the main menu, the list intact.
    t.keys.text("x");
    EXPECT_TRUE(runCommandKey(t.app, 'S'));
    EXPECT_EQ(t.app.messageText, "previous year not present....");
    EXPECT_EQ(std::tuple(t.keys.pending(), t.app.songs.count, t.app.songs.changeCount),
              std::tuple(0u, 8, 3));
    // Last year: found by rule 1, rule 3, never, at N = 1, at N = 0, never (twice).
    const std::string lastYear = test::kHeader2007 +
                                 test::genericLine(1, "Abba", "Dancing queen", 1976) +
                                 test::genericLine(2, "Beatles", "Let it be", 1970) +
                                 test::genericLine(3, "Beatles", "Yesterday", 1965) +
                                 test::genericLine(4, "Stones", "Angie", 1973) +
                                 test::genericLine(5, "Zappa", "Zoot", 1990) +
                                 test::genericLine(6, "Lost & Found", "<Unknown>", 0) +
                                 test::genericLine(7, "Mud & Co", "Tiger <Feet>", 1974) + "\n";
    t.writeFile("2025.txt", lastYear);
    t.keys.key('G').text("n").key('Q');
    runCommandKey(t.app, 'S');
    EXPECT_EQ(t.readFile("newsongs.htm"), golden("newsongs.htm"));
    // (-) four times from 4 stops at N = 1.
    t.keys.key('D').key(kKeyMinus).key(kKeyMinus).key(kKeyMinus).key(kKeyMinus);
    runUntilKeysRunOut(t);
    EXPECT_TRUE(test::shows(
        t,
        {{0, 0, " Place   4 Disappeared Songs in 2026"}, {4, 7, "Zappa "}, {5, 7, "Mud & Co "}}));
    // A fresh entry is back at N = 4.
    t.keys.key('D');
    runUntilKeysRunOut(t);
    EXPECT_TRUE(test::showsGolden(t, "tests/stats/data/new_songs_screen.txt"));
    // (+) builds again with a stricter length.
    t.keys.key('D').key(kKeyMinus).key(kKeyMinus).key(kKeyMinus).key(kKeyPlus);
    runUntilKeysRunOut(t);
    EXPECT_TRUE(test::shows(t, {{0, 0, " Place   5 Disappeared Songs in 2026"}}));
    t.keys.key('D').key('G').text("n").key('N');
    runUntilKeysRunOut(t);
    EXPECT_EQ(t.readFile("gone.htm"), golden("gone.htm"));
    EXPECT_TRUE(test::shows(t, {{0, 0, " Place   4 New Songs in 2026"}}));

    // A chart of 2004 has no new songs to show: the disappeared songs come.
    t.app.settings.chartYear = 2004;
    t.writeFile("2003.txt", lastYear);
    t.keys.text("x");
    runUntilKeysRunOut(t);
    EXPECT_EQ(t.app.messageText, "No History present for New Songs");
    EXPECT_TRUE(test::shows(t, {{0, 0, " Place   5 Disappeared Songs in 2004"}}));
}

TEST(NewSongsScreen, ProgressIsPresentedAtIntervals) {
    test::TestApp t;
    t.writeFile("2025.txt", test::numberedList(1000));
    std::int64_t now = 0;
    std::string progress;
    auto clock = [&] {
        progress = t.row(10);
        return now++;
    };
    t.keys.key('D');
    EXPECT_THROW(showNewSongs(t.app, clock), ScriptExhausted);
    // Three passes, each shown every 40 ms: 25 times a pass, not 1,000.
    EXPECT_EQ(t.keys.pauses, std::vector<int>(3 * 25, 0));
    EXPECT_EQ(progress.substr(10, 36), "Checking Songs, one moment..... 960 ");
}

}  // namespace hv
