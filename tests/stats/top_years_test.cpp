#include "stats/top_years.h"

#include <gtest/gtest.h>

#include <random>

#include "console/main_commands.h"
#include "database/song_list_fixtures.h"
#include "stats/artist_grouping.h"
#include "stats/top_years_screen.h"

namespace hv {

TEST(TopYears, YearZeroCountsNowhere) {
    // Any other year makes a row, far and negative ones too.
    test::TestApp t;
    for (int year : {0, 123456, -5, 0, -5}) t.addSong("A", "B", year);
    auto rows = rankYears(t.app.songs, 0);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(std::pair(rows[0].groupValue, rows[1].groupValue), std::pair(-5, 123456));
}

TEST(TopYears, GroupingByIndexEqualsTheScan) {
    auto fields = [](const std::vector<BandRow>& rows) {
        std::vector<std::tuple<int, std::string, std::string, int, int, int>> out;
        for (const BandRow& r : rows)
            out.emplace_back(r.groupValue, r.name, r.bestSong, r.songCount, r.points, r.bestPlace);
        return out;
    };
    std::mt19937 random(10);
    for (int round = 0; round < 40; ++round) {
        // Few distinct years or many; negative ones in every third round.
        int spread = (round % 4 == 0) ? 5000 : 1 + round;
        SongTable table;
        for (int i = static_cast<int>(random() % 600); i > 0; --i) {
            int year = static_cast<int>(random() % spread) - (round % 3 == 0 ? spread / 2 : 0);
            test::addSong(table, "Artist " + std::to_string(random() % 50),
                          "Song " + std::to_string(random()), random() % 7 ? year : 0, 9999, "", 0,
                          static_cast<int>(random() % 10000) + 1);
        }
        ASSERT_EQ(fields(groupByYear(table)), fields(groupByYearScanning(table))) << round;
    }
}

TEST(TopYears, ScreenKeysModesAndPage) {
    // Two songs of 1970, the first and the last; two of 1975; one without a
    // year; names to escape and names longer than the columns.
    test::TestApp t;
    t.addSong("Simon & Garfunkel", "Bridge Over Troubled Water", 1970, 3, "04:52", 0, 1);
    t.addSong("Queen", "Bohemian Rhapsody", 1975, 1, "05:55", 0, 2);
    t.addSong("Queen", "Don't Stop Me Now", 1975, 9999, "03:29", 0, 3);
    t.addSong("The \"Rolling\" Stones <UK>", "Paint It Black & Blue & Grey", 1966, 0, "03:22", 0,
              4);
    t.addSong("Nobody", "No Year", 0, 9999, "03:00", 0, 5);
    t.addSong("Abba", "Dancing Queen", 1970, 7, "03:51", 0, 6);
    t.writeFile("base2.htm", test::htmlData("template.htm"));

    // Top artists left in its third mode: it ranks by average here, like
    // mode 1; 1970 and 1966 tie and keep their order of first appearance.
    t.keys.key('M').key('M').key('Q');
    runCommandKey(t.app, 'A');
    EXPECT_THROW(runCommandKey(t.app, 'Y'), ScriptExhausted);
    EXPECT_TRUE(test::showsGolden(t, "tests/stats/data/top_years_screen.txt"));

    // M from mode 2 ranks by count; G writes that ranking.
    t.keys.key('M').key('G').text("y");
    EXPECT_THROW(runCommandKey(t.app, 'Y'), ScriptExhausted);
    EXPECT_EQ(t.app.statisticsMode, 0);
    EXPECT_EQ(t.readFile("topyears.htm"),
              readWholeFile(test::sourcePath("tests/stats/data/topyears.htm")).value());

    // Without the template the screen comes back after a key, ranking kept.
    t.removeFile("base2.htm");
    t.removeFile("topyears.htm");
    t.keys.key('G').text("x");
    EXPECT_THROW(runCommandKey(t.app, 'Y'), ScriptExhausted);
    EXPECT_FALSE(t.exists("topyears.htm"));
    EXPECT_TRUE(test::shows(t, {{3, 2, " 1.  1970 "}, {23, 0, std::string(80, ' ')}}));
}

}  // namespace hv
