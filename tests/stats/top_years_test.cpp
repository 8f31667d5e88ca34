#include "stats/top_years.h"

#include <gtest/gtest.h>

#include <random>

#include "console/main_commands.h"
#include "database/song_list_fixtures.h"
#include "stats/artist_grouping.h"
#include "stats/top_years_screen.h"

namespace hv {

TEST(TopYears, GroupingByIndexEqualsTheScan) {
    auto fields = [](const std::vector<BandRow>& rows) {
        std::vector<std::tuple<int, std::string, std::string, int, int, int>> out;
        for (const BandRow& r : rows)
            out.emplace_back(r.groupValue, r.name, r.bestSong, r.songCount, r.points, r.bestPlace);
        return out;
    };
    std::mt19937 random(10);
    for (int round = 0; round < 20; ++round) {
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
    test::TestApp t;
    t.addSong("Simon & Garfunkel", "Bridge Over Troubled Water", 1970, 3, "04:52", 0, 1);
    t.addSong("Queen", "Bohemian Rhapsody", 1975, 1, "05:55", 0, 2);
    t.addSong("Queen", "Don't Stop Me Now", 1975, 9999, "03:29", 0, 3);
    t.addSong("The \"Rolling\" Stones <UK>", "Paint It Black & Blue & Grey", 1966, 0, "03:22", 0,
              4);
    t.addSong("Nobody", "No Year", 0, 9999, "03:00", 0, 5);
    t.addSong("Abba", "Dancing Queen", 1970, 7, "03:51", 0, 6);

    // Top artists left in its third mode: ranked by average, like mode 1.
    t.keys.key('M').key('M').key('Q');
    runCommandKey(t.app, 'A');
    EXPECT_THROW(runCommandKey(t.app, 'Y'), ScriptExhausted);
    EXPECT_TRUE(test::showsGolden(t, "tests/stats/data/top_years_screen.txt"));
}

}  // namespace hv
