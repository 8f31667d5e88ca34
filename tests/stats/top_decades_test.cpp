#include "stats/top_decades.h"

#include <gtest/gtest.h>

#include <climits>

#include "console/main_commands.h"
#include "database/song_list_fixtures.h"
#include "stats/top_decades_screen.h"

namespace hv {

TEST(TopDecades, SlotsAndLabelsAtTheirBoundaries) {
    // Outside 0 to 3009 there is no slot, also for -1 to -9 (year / 10 is 0).
    const std::tuple<int, int, const char*> cases[] = {
        {1895, 189, "xxxx"}, {1899, 189, "xxxx"}, {1900, 190, "190x"}, {1905, 190, "190x"},
        {1920, 192, "20's"}, {1999, 199, "90's"}, {2000, 200, "200x"}, {2109, 210, "210x"},
        {2110, 211, "xxxx"}, {0, 0, "xxxx"},      {9, 0, "xxxx"},      {3009, 300, "xxxx"},
        {-1, -1, "xxxx"},    {-9, -1, "xxxx"},    {3010, -1, "xxxx"},  {INT_MIN, -1, "xxxx"},
    };
    for (const auto& [year, slot, label] : cases) {
        EXPECT_EQ(decadeSlot(year), slot) << year;
        EXPECT_STREQ(decadeLabel(decadeSlot(year)), label) << year;
    }
}

TEST(TopDecades, RankingAndPagingOverTheSkippedSlot) {
    // Slot 0 with two songs ranks second; the last slot counts, years without one do not.
    test::TestApp t;
    for (int i = 0; i < 30; ++i) t.addSong("Band", "Song", 1800 + 10 * i);
    for (int year : {1900, 1900, 1900, 0, 5, 3009, -1, 3010, INT_MIN}) t.addSong("A", "B", year);
    // The first screen skips rank 2 (19 lines); the last starts at 13.
    EXPECT_THROW(runCommandKey(t.app, 'D'), ScriptExhausted);
    EXPECT_TRUE(test::shows(t, {{4, 2, " 3."}, {21, 2, "20."}, {22, 0, std::string(80, ' ')}}));
    t.keys.key(kKeyPageDown).key(kKeyDown);
    EXPECT_THROW(runCommandKey(t.app, 'D'), ScriptExhausted);
    EXPECT_TRUE(test::shows(t, {{3, 2, "13."}, {22, 2, "32.  xxxx"}}));
    t.keys.key(kKeyEnd).key(kKeyUp);
    EXPECT_THROW(runCommandKey(t.app, 'D'), ScriptExhausted);
    EXPECT_TRUE(test::shows(t, {{3, 2, "12."}}));
    // Home, and Page Up or Up near the top, stop at the first row.
    t.keys.key(kKeyEnd).key(kKeyHome).key(kKeyDown).key(kKeyPageUp).key(kKeyUp);
    EXPECT_THROW(runCommandKey(t.app, 'D'), ScriptExhausted);
    EXPECT_TRUE(test::shows(t, {{3, 2, " 1."}, {4, 2, " 3."}}));
}

TEST(TopDecades, ScreenSkipsSlotZeroAndWritesThePage) {
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
    t.writeFile("base2.htm", test::htmlData("template.htm"));

    t.keys.key('G').text("y");
    EXPECT_THROW(runCommandKey(t.app, 'D'), ScriptExhausted);
    EXPECT_TRUE(test::showsGolden(t, "tests/stats/data/top_decades_screen.txt"));
    EXPECT_EQ(t.readFile("decade.htm"),
              readWholeFile(test::sourcePath("tests/stats/data/decade.htm")).value());

    // M ranks by average: slot 0 ties first and takes no line.
    t.keys.key('M');
    EXPECT_THROW(runCommandKey(t.app, 'D'), ScriptExhausted);
    EXPECT_EQ(t.app.statisticsMode, 1);
    const char* byAverage[] = {" 2.  190x", " 3.  70's", " 4.  210x", " 5.  xxxx", "         "};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(t.row(3 + i).substr(2, 9), byAverage[i]) << i;
}

}  // namespace hv
