#include "stats/new_songs_screen.h"

#include <gtest/gtest.h>

#include "console/main_commands.h"
#include "database/song_list_fixtures.h"

namespace hv {

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
    t.writeFile("2025.txt", test::kHeader2007 +
                                test::genericLine(1, "Abba", "Dancing queen", 1976) +
                                test::genericLine(2, "Beatles", "Let it be", 1970) +
                                test::genericLine(3, "Beatles", "Yesterday", 1965) +
                                test::genericLine(4, "Stones", "Angie", 1973) +
                                test::genericLine(5, "Zappa", "Zoot", 1990) +
                                test::genericLine(6, "Lost & Found", "<Unknown>", 0) +
                                test::genericLine(7, "Mud & Co", "Tiger <Feet>", 1974) + "\n");
    t.keys.key('G').text("n").key('Q');
    runCommandKey(t.app, 'S');
    EXPECT_EQ(t.readFile("newsongs.htm"),
              readWholeFile(test::sourcePath("tests/stats/data/newsongs.htm")).value());
    t.keys.key('D');
    EXPECT_THROW(runCommandKey(t.app, 'S'), ScriptExhausted);
    EXPECT_TRUE(test::showsGolden(t, "tests/stats/data/new_songs_screen.txt"));
}

}  // namespace hv
