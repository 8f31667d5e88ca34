#include "stats/top_decades.h"

#include <gtest/gtest.h>

#include "console/main_commands.h"
#include "database/song_list_fixtures.h"
#include "stats/top_decades_screen.h"

namespace hv {

TEST(TopDecades, SlotsAndLabelsAtTheirBoundaries) {
    // Outside 0 to 3009 there is no slot, also for -1 to -9 (year / 10 is 0).
    const std::tuple<int, int, const char*> cases[] = {
        {1899, 189, "xxxx"}, {1900, 190, "190x"}, {1920, 192, "20's"},
        {2109, 210, "210x"}, {2110, 211, "xxxx"}, {9, 0, "xxxx"},
        {3009, 300, "xxxx"}, {-9, -1, "xxxx"},    {3010, -1, "xxxx"},
    };
    for (const auto& [year, slot, label] : cases) {
        EXPECT_EQ(decadeSlot(year), slot) << year;
        EXPECT_STREQ(decadeLabel(decadeSlot(year)), label) << year;
    }
}

TEST(TopDecades, ScreenSkipsSlotZero) {
    // The 70's at places 1, 3, 8; no year at 2 and 5; 4000 and -5 count nowhere.
    test::TestApp t;
    t.addSong("Simon & Garfunkel", "Bridge Over Troubled Water", 1970);
    t.addSong("Nobody", "Untitled", 0);
    t.addSong("Queen", "Bohemian Rhapsody", 1975);
    t.addSong("Scott Joplin", "The Entertainer", 1902);
    t.addSong("Nobody", "Untitled Too", 0);
    t.addSong("Frank Sinatra Junior the Third", "Song of the Far Future", 2105);
    t.addSong("<Odd> \"Quoted\" Band", "A & B", 1895);
    t.addSong("Abba", "Waterloo", 1974);
    t.addSong("Far Future", "Song", 4000);
    t.addSong("Negative", "Song", -5);
    EXPECT_THROW(runCommandKey(t.app, 'D'), ScriptExhausted);
    EXPECT_TRUE(test::showsGolden(t, "tests/stats/data/top_decades_screen.txt"));
}

}  // namespace hv
