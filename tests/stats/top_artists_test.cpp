#include "stats/top_artists.h"

#include <gtest/gtest.h>

#include <random>

#include "stats/artist_grouping.h"
#include "support/song_lists.h"

namespace hv {

namespace {

// One song per letter: "AAB" gives artists A, A, B.
SongTable artists(const std::string& letters) {
    SongTable t;
    for (char c : letters) test::addSong(t, std::string("Artist ") + c, "Song");
    return t;
}

std::string letters(const std::vector<BandRow>& rows) {
    std::string out;
    for (const BandRow& row : rows) out += row.name.at(7);
    return out;
}

}  // namespace

TEST(ArtistGrouping, GroupsInListOrder) {
    SongTable t;
    test::addSong(t, "Queen", "Bohemian Rhapsody and more words", 1975, 9999, "05:55", 0, 17);
    test::addSong(t, "Abba", "Waterloo");
    test::addSong(t, "Queen", "Radio Ga Ga");
    std::vector<BandRow> rows = groupByArtist(t);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(std::tie(rows[0].name, rows[0].bestSong, rows[0].songCount, rows[0].points,
                       rows[0].bestPlace),
              std::make_tuple(fitName("Queen"), fitName("Bohemian Rhapsody and more words"), 2,
                              3 + 1, 17));
    EXPECT_EQ(rows[1].points, 2);
    EXPECT_EQ(rankArtists(t, kModeSongCount, 1)[0].bestSong, "Bohemian Rhapsody and m");

    // A substring test: a shorter name captures every field holding it.
    std::vector<BandRow> groups(2);
    groups[0].name = "Queen";
    groups[1].name = fitName("Queen & Bowie");
    EXPECT_EQ(findArtistGroup(groups, fitName("Queen & Bowie")), 0);
    EXPECT_EQ(findArtistGroup(groups, fitName("queen")), -1);
}

TEST(TopArtists, ModesTiesAndTheCut) {
    // Averages truncate, ties keep list order; most popular scores songs / minimum.
    const std::string pq = std::string(12, 'P') + std::string(9, 'Q');
    const std::tuple<std::string, int, int, const char*, std::vector<int>> cases[] = {
        {"BAABCD", kModeSongCount, 1, "BACD", {2, 2, 1, 1}},
        {"BAABCD", kModeAverageRanking, 1, "BACD", {4, 4, 2, 1}},
        {"BAABCD", kModeAverageRanking, 2, "BA", {4, 4}},
        {"BAABCD", kModeSongCount, 3, "", {}},
        {"", kModeMostPopular, 1, "", {}},
        {pq, kModeMostPopular, 5, "PQ", {30, 5}},
        {pq, kModeMostPopular, 10, "P", {15}}};
    for (const auto& [list, mode, minimum, expected, scores] : cases) {
        auto ranking = rankArtists(artists(list), mode, minimum);
        std::vector<int> got;
        for (const BandRow& row : ranking) got.push_back(row.score);
        EXPECT_EQ(letters(ranking), expected) << list << " " << mode << " " << minimum;
        EXPECT_EQ(got, scores) << list << " " << mode << " " << minimum;
    }
}

TEST(TopArtists, BlankAndOddNames) {
    // Blank names group; a leading or double space makes another artist.
    SongTable t;
    for (const char* artist : {"", "   ", " Abba", "Abba", "Ab  ba", "Abba"})
        test::addSong(t, artist, "Song");
    std::string groups;
    for (const BandRow& row : rankArtists(t, kModeSongCount, 1))
        groups += "[" + row.name.substr(0, 6) + "]" + std::to_string(row.songCount);
    EXPECT_EQ(groups, "[      ]2[Abba  ]2[ Abba ]1[Ab  ba]1");
}

TEST(TopArtists, IndexedGroupingGivesTheScansRanking) {
    // Padded and full-width names, repeats, and unpadded fields that occur
    // inside others (a short name captures every later field holding it).
    const std::string full(kNameWidth, 'X');
    const std::vector<std::string> padded = {fitName("Queen"), fitName("Queen & Bowie"), full,
                                             fitName("ABBA"), fitName("X")};
    const std::vector<std::string> raw = {"Queen", "Que",  "een",      "",  " ",
                                          "X",     "ABBA", full + "Y", "XX"};
    auto fields = [](const std::vector<BandRow>& rows) {
        std::vector<std::tuple<std::string, std::string, int, int, int, int>> out;
        for (const BandRow& r : rows)
            out.emplace_back(r.name, r.bestSong, r.songCount, r.points, r.score, r.bestPlace);
        return out;
    };
    std::mt19937 random(1313);
    for (int round = 0; round < 200; ++round) {
        SongTable songs;
        int unpadded = round % 4 == 0 ? 0 : static_cast<int>(random() % 8);
        for (int r = 0, n = static_cast<int>(random() % 120); r < n; ++r) {
            Song& song = test::addSong(songs, padded[random() % padded.size()],
                                       "Song " + std::to_string(random() % 9));
            if (static_cast<int>(random() % 100) < unpadded * 3)
                song.artist = raw[random() % raw.size()];
        }
        ArtistGroups groups = groupSongsByArtist(songs);
        std::vector<BandRow> scanned = groupByArtist(songs);
        ASSERT_EQ(fields(groups.rows), fields(scanned)) << round;
        for (int r = 0; r < songs.count; ++r)
            ASSERT_EQ(groups.groupOfSong[r], findArtistGroup(scanned, songs.rows[r].artist));
        for (int mode = kModeSongCount; mode <= kModeMostPopular; ++mode)
            for (int minimum : {1, 2, 5})
                ASSERT_EQ(fields(rankArtists(songs, mode, minimum)),
                          fields(rankArtistGroups(scanned, mode, minimum)))
                    << round << " " << mode << " " << minimum;
    }
}

}  // namespace hv
