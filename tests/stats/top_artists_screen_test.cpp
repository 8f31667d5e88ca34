#include "stats/top_artists_screen.h"

#include <gtest/gtest.h>

#include "console/main_commands.h"
#include "database/song_list_fixtures.h"
#include "stats/top_artists.h"

namespace hv {

TEST(TopArtistsScreen, KeysAndPage) {
    test::TestApp t;
    t.addSong("Queen", "Bohemian Rhapsody", 1975, 3);
    t.addSong("Simon & Garfunkel", "The Boxer", 1969, 0);
    t.addSong("Queen", "Don't Stop Me Now", 1979, 1);
    t.addSong("The \"Quoted\" Band", "A<B>C & D", 2001, 30);
    t.addSong("Queen", "Radio Ga Ga", 0, 9999);
    t.app.songs.changeCount = 2;

    // (-) stops at 1; G without template keeps the list.
    for (int i = 0; i < 6; ++i) t.keys.key(kKeyMinus);
    t.keys.key(kKeyEnd).key(kKeyPageDown).key(kKeyDown).key('G').text("x");
    EXPECT_THROW(runCommandKey(t.app, 'A'), ScriptExhausted);
    EXPECT_TRUE(test::showsGolden(t, "tests/stats/data/top_artists_screen.txt"));
    EXPECT_FALSE(t.exists("artist.htm"));
    EXPECT_EQ(std::pair(t.app.songs.count, t.app.songs.changeCount), std::pair(5, 2));

    // The mode outlives the screen; the minimum does not.
    t.keys.key('M').key('M').key('Q');
    runCommandKey(t.app, 'A');
    EXPECT_EQ(t.app.statisticsMode, kModeMostPopular);
    t.keys.key('M').key('Q');
    runCommandKey(t.app, 'A');
    t.writeFile("base2.htm", test::htmlData("template.htm"));
    for (int i = 0; i < 4; ++i) t.keys.key(kKeyMinus);
    t.keys.key('G').text("y").key('Q');
    runCommandKey(t.app, 'A');
    EXPECT_EQ(t.browserCalls,
              (decltype(t.browserCalls){{"/usr/bin/fake-browser", t.folder + "artist.htm"}}));
}

}  // namespace hv
