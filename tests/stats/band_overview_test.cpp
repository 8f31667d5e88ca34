#include "stats/band_overview.h"

#include <gtest/gtest.h>

#include <random>

#include "console/main_commands.h"
#include "database/song_list_fixtures.h"
#include "stats/band_overview_screen.h"

namespace hv {

TEST(BandOverview, FastBuildEqualsTheLiteralScan) {
    std::mt19937 random(2026);
    const std::vector<std::string> names = {"Queen", "queen", " Queen",   "Queens",       "ABBA",
                                            "10cc",  "",      "\311dith", "Queen & Bowie"};
    for (int trial = 0; trial < 15; ++trial) {
        SongTable songs;
        for (int r = 1 + static_cast<int>(random() % 200); r > 0; --r) {
            const std::string& name = names[random() % names.size()];
            test::addSong(songs, "", "Song").artist = trial % 5 == 4 ? name : fitName(name);
        }
        for (int mode : {kBandModeNormal, kBandModeAlphabet})
            for (int minimum = 1; minimum <= 4; ++minimum)
                ASSERT_EQ(buildBandOverview(songs, mode, minimum),
                          buildBandOverviewLiteral(songs, mode, minimum))
                    << trial << " " << mode << " " << minimum;
    }
}

TEST(BandOverview, ScreenWritesItsPage) {
    test::TestApp t;
    for (const char* a :
         {"Queen", "10cc", "Simon & Garfunkel", "Queen", "abba", "The \"Quoted\" Band", "10cc",
          "Simon & Garfunkel", "Queen", "Solo Artist", "abba", "Alice Cooper", "Alice Cooper"})
        t.addSong(a, "Song " + std::to_string(t.app.songs.count + 1));
    t.app.songs.rows[5].song = fitName("A<B>C & D");
    t.addSong("The \"Quoted\" Band", "A Full Twenty-Nine Char Title");
    t.writeFile("base2.htm", test::htmlData("template.htm"));
    t.app.statisticsMode = 2;  // left by Top artists: entering resets it
    t.keys.key(kKeyMinus).key(kKeyMinus).key(kKeyMinus).key('G').text("n");
    EXPECT_THROW(runCommandKey(t.app, 'B'), ScriptExhausted);
    EXPECT_EQ(t.readFile("band1.htm"),
              readWholeFile(test::sourcePath("tests/stats/data/band1.htm")).value());
}

}  // namespace hv
