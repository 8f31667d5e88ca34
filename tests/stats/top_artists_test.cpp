#include "stats/top_artists.h"

#include <gtest/gtest.h>

#include "console/main_commands.h"
#include "database/song_list_fixtures.h"
#include "stats/artist_grouping.h"
#include "stats/statistics_list_screen.h"
#include "stats/top_artists_screen.h"

namespace hv {

namespace {

// Adds one song per artist letter: "AABA" gives artists A, A, B, A.
void addArtists(test::TestApp& t, const std::string& artists) {
    for (char c : artists) t.addSong(std::string("Artist ") + c, "Song");
}

// The artists' letters in ranking order.
std::string letters(const std::vector<BandRow>& rows) {
    std::string out;
    for (const BandRow& row : rows) out += row.name.at(7);
    return out;
}

// Runs the screen until the queued keys run out and leaves it showing the
// state after the last one.
void runUntilKeysRunOut(test::TestApp& t) {
    EXPECT_THROW(runCommandKey(t.app, 'A'), ScriptExhausted);
}

}  // namespace

TEST(ArtistGrouping, PointsAndGroups) {
    EXPECT_EQ(songPoints(1, 10), 10);
    EXPECT_EQ(songPoints(10, 10), 1);
    test::TestApp t;
    t.addSong("Queen", "Bohemian Rhapsody and more words", 1975, 9999, "05:55", 0, 17);
    t.addSong("Abba", "Waterloo");
    t.addSong("Queen", "Radio Ga Ga");
    std::vector<BandRow> rows = groupByArtist(t.app.songs);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].name, fitName("Queen"));
    EXPECT_EQ(rows[0].songCount, 2);
    EXPECT_EQ(rows[0].points, 3 + 1);
    EXPECT_EQ(rows[0].bestSong, fitName("Bohemian Rhapsody and more words"));
    EXPECT_EQ(rows[0].bestPlace, 17);
    EXPECT_EQ(rows[1].points, 2);
    // The ranking shows the best song by its first 23 characters.
    EXPECT_EQ(rankArtists(t.app.songs, kModeSongCount, 1)[0].bestSong, "Bohemian Rhapsody and m");

    // The rule is a substring test: a shorter name captures every artist
    // field that contains it, and the first such row wins.
    std::vector<BandRow> groups(2);
    groups[0].name = "Queen";
    groups[1].name = fitName("Queen & Bowie");
    EXPECT_EQ(findArtistGroup(groups, fitName("Queen & Bowie")), 0);
    EXPECT_EQ(findArtistGroup(groups, fitName("queen")), -1);
}

TEST(TopArtists, ModesTiesAndTheCut) {
    test::TestApp t;
    // Positions: B 1 and 4, A 2 and 3, C 5, D 6.
    addArtists(t, "BAABCD");
    auto byCount = rankArtists(t.app.songs, kModeSongCount, 1);
    // Equal scores keep the order of first appearance.
    EXPECT_EQ(letters(byCount), "BACD");
    // B: points 6 and 3, average 4 (4.5 truncated), place 6 + 1 - 4 = 3: the
    // mean of 1 and 4 rounded up.
    EXPECT_EQ(byCount[0].points, 4);
    EXPECT_EQ(averagePlace(byCount[0].points, 6), 3);
    EXPECT_EQ(averagePlace(byCount[1].points, 6), 3);  // A: mean of 2 and 3
    auto byAverage = rankArtists(t.app.songs, kModeAverageRanking, 1);
    EXPECT_EQ(letters(byAverage), "BACD");
    EXPECT_EQ(byAverage[2].score, 2);
    // Below the minimum the score is 0 and the ranking is cut there.
    auto atTwo = rankArtists(t.app.songs, kModeAverageRanking, 2);
    EXPECT_EQ(letters(atTwo), "BA");
    EXPECT_TRUE(rankArtists(t.app.songs, kModeSongCount, 3).empty());

    // A single song at position 1 has average place 1.
    test::TestApp single;
    addArtists(single, "X");
    auto one = rankArtists(single.app.songs, kModeSongCount, 1);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(averagePlace(one[0].points, 1), 1);
}

TEST(TopArtists, EmptyListAndOddNames) {
    test::TestApp t;
    EXPECT_TRUE(rankArtists(t.app.songs, kModeMostPopular, 1).empty());
    std::string page;
    appendTopArtistsPageBody(page, {}, 2026, 0);
    EXPECT_EQ(
        page,
        "2026   Top Artists                 Songs  Average  Best Song               Place\n"
        "       ===========                 =====   Place   =========               =====\n\n");

    // Blank names group like any other; a leading space or a double space
    // makes a different artist.
    for (const char* artist : {"", "   ", " Abba", "Abba", "Ab  ba", "Abba"})
        t.addSong(artist, "Song");
    auto ranking = rankArtists(t.app.songs, kModeSongCount, 1);
    std::vector<std::pair<std::string, int>> groups;
    for (const BandRow& row : ranking) groups.emplace_back(row.name, row.songCount);
    EXPECT_EQ(groups, (std::vector<std::pair<std::string, int>>{{fitName(""), 2},
                                                                {fitName("Abba"), 2},
                                                                {fitName(" Abba"), 1},
                                                                {fitName("Ab  ba"), 1}}));
}

TEST(TopArtists, MostPopularUsesTheIntegerQuotient) {
    test::TestApp t;
    // P holds 12 songs, Q 9: at minimum 5 the quotients are 2 and 1.
    addArtists(t, std::string(12, 'P') + std::string(9, 'Q'));
    auto ranking = rankArtists(t.app.songs, kModeMostPopular, 5);
    ASSERT_EQ(ranking.size(), 2u);
    // P's points 21 down to 10 average 15 (15.5 truncated), Q's 9 to 1 give 5.
    EXPECT_EQ(std::tie(ranking[0].points, ranking[0].score, ranking[1].points, ranking[1].score),
              std::make_tuple(15, 30, 5, 5));
    // At minimum 10 only P qualifies, with quotient 1.
    auto atTen = rankArtists(t.app.songs, kModeMostPopular, 10);
    ASSERT_EQ(atTen.size(), 1u);
    EXPECT_EQ(atTen[0].score, 15);
}

TEST(StatisticsPaging, BoundsOfTheFirstShownRow) {
    // With 100 rows the first shown row stays within 0 and 80.
    int first = 79;
    const std::pair<int, int> steps[] = {{kKeyPageDown, 80}, {kKeyPageDown, 80}, {kKeyDown, 80},
                                         {kKeyUp, 79},       {kKeyPageUp, 59},   {kKeyHome, 0},
                                         {kKeyUp, 0},        {kKeyPageUp, 0},    {kKeyEnd, 80}};
    for (const auto& [key, expected] : steps) {
        EXPECT_TRUE(applyPagingKey(key, first, 100));
        EXPECT_EQ(first, expected) << key;
    }
    // Fewer than 20 rows, or none: everything is on one screen.
    for (int rows : {7, 0}) {
        for (int key : {kKeyEnd, kKeyPageDown, kKeyDown}) {
            first = 0;
            applyPagingKey(key, first, rows);
            EXPECT_EQ(first, 0);
        }
    }
    EXPECT_FALSE(applyPagingKey('M', first, 100));
}

TEST(TopArtists, ScreenKeysAndPage) {
    test::TestApp t;
    t.addSong("Queen", "Bohemian Rhapsody", 1975, 3);
    t.addSong("Simon & Garfunkel", "The Boxer", 1969, 0);
    t.addSong("Queen", "Don't Stop Me Now", 1979, 1);
    t.addSong("The \"Quoted\" Band", "A<B>C & D", 2001, 30);
    t.addSong("Queen", "Radio Ga Ga", 0, 9999);
    t.writeFile("base2.htm", test::htmlData("template.htm"));

    runUntilKeysRunOut(t);
    EXPECT_EQ(t.row(0),
              "2026   Top Artists                  Songs  Average Best Song    Minimum = 5     ");
    EXPECT_EQ(t.row(1).substr(0, 79),
              "       ===========                  =====   Place  =========    Number of Songs");
    EXPECT_EQ(t.row(3), std::string(80, ' '));
    EXPECT_EQ(t.row(24).substr(0, 40), "  (Q)uit (M)ode (+) (-) (G)enerate HTML ");

    // (-) never goes below 1; (+) has no upper bound.
    for (int i = 0; i < 6; ++i) t.keys.key(kKeyMinus);
    runUntilKeysRunOut(t);
    EXPECT_NE(t.row(0).find("Minimum = 1 "), std::string::npos);
    EXPECT_EQ(t.row(3),
              "    1. Queen                           3       3   Bohemian Rhapsody          1 ");
    EXPECT_EQ(t.row(5).substr(0, 40), "    3. The \"Quoted\" Band               1");
    for (int i = 0; i < 30; ++i) t.keys.key(kKeyPlus);
    runUntilKeysRunOut(t);
    EXPECT_NE(t.row(0).find("Minimum = 35"), std::string::npos);

    // M steps the mode, which outlives the screen; the minimum does not.
    t.keys.key('M').key('M').key('Q');
    runCommandKey(t.app, 'A');
    EXPECT_EQ(t.app.statisticsMode, kModeMostPopular);
    runUntilKeysRunOut(t);
    EXPECT_NE(t.row(1).find("Most Popular"), std::string::npos);
    EXPECT_NE(t.row(0).find("Minimum = 5"), std::string::npos);
    t.keys.key('M').key('Q');
    runCommandKey(t.app, 'A');
    EXPECT_EQ(t.app.statisticsMode, kModeSongCount);

    // G writes the ranking shown on the screen and offers it.
    for (int i = 0; i < 4; ++i) t.keys.key(kKeyMinus);
    t.keys.key('G').text("y").key('Q');
    runCommandKey(t.app, 'A');
    EXPECT_EQ(t.readFile("artist.htm"), test::htmlData("artist.htm"));
    EXPECT_EQ(t.app.messageText, "artist.htm generated...");
    ASSERT_EQ(t.browserCalls.size(), 1u);
    EXPECT_EQ(t.browserCalls[0].second, t.folder + "artist.htm");
    EXPECT_EQ(t.keys.pending(), 0u);

    // F1 shows the help; Q there comes back to this screen.
    t.keys.key(kKeyF1);
    runUntilKeysRunOut(t);
    EXPECT_NE(t.row(4).find("Key Operations (1)"), std::string::npos);
    t.keys.key(kKeyF1).text("q");
    runUntilKeysRunOut(t);
    EXPECT_EQ(t.row(4).find("Key Operations (1)"), std::string::npos);

    // Answering N starts nothing; the screen comes back at the same row.
    t.keys.key('G').text("n");
    runUntilKeysRunOut(t);
    EXPECT_EQ(t.browserCalls.size(), 1u);
    EXPECT_NE(t.row(0).find("Top Artists"), std::string::npos);
}

TEST(TopArtists, MissingTemplateKeepsTheScreenAndTheList) {
    test::TestApp t;
    addArtists(t, "AAAAABBBBBB");
    t.app.songs.changeCount = 2;
    t.keys.key('G').text("x");
    runUntilKeysRunOut(t);
    EXPECT_FALSE(t.exists("artist.htm"));
    EXPECT_TRUE(t.browserCalls.empty());
    // The screen is drawn again with its ranking.
    EXPECT_EQ(t.row(3).substr(0, 20), "    1. Artist B     ");
    EXPECT_EQ(t.row(4).substr(0, 20), "    2. Artist A     ");
    EXPECT_EQ(t.row(23), std::string(80, ' '));
    EXPECT_EQ(t.app.songs.count, 11);
    EXPECT_EQ(t.app.songs.changeCount, 2);
}

TEST(TopArtists, PagingThroughALongRanking) {
    test::TestApp t;
    // Every band reaches the starting minimum of 5 songs.
    for (int i = 0; i < 45 * 5; ++i) t.addSong("Band " + std::to_string(100 + i / 5), "Song");
    t.keys.key(kKeyPageDown).key(kKeyPageDown).key(kKeyDown);
    runUntilKeysRunOut(t);
    EXPECT_EQ(t.row(3).substr(0, 16), "   26. Band 125 ");
    EXPECT_EQ(t.row(22).substr(0, 16), "   45. Band 144 ");
    t.keys.key(kKeyEnd).key(kKeyPageUp).key(kKeyUp);
    runUntilKeysRunOut(t);
    EXPECT_EQ(t.row(3).substr(0, 16), "    5. Band 104 ");
}

}  // namespace hv
