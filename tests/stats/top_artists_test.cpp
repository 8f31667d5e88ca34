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

TEST(TopArtists, ModesTiesAndTheCut) {
    // Averages truncate, ties keep list order; most popular scores songs / minimum.
    const std::string pq = std::string(12, 'P') + std::string(9, 'Q');
    const std::tuple<std::string, int, int, const char*, std::vector<int>> cases[] = {
        {"BAABCD", kModeSongCount, 1, "BACD", {2, 2, 1, 1}},
        {"BAABCD", kModeAverageRanking, 1, "BACD", {4, 4, 2, 1}},
        {"BAABCD", kModeAverageRanking, 2, "BA", {4, 4}},
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
    for (int round = 0; round < 60; ++round) {
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
