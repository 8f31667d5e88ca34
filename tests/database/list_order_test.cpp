#include "database/list_order.h"

#include <gtest/gtest.h>

#include <climits>
#include <iterator>
#include <random>

#include "support/song_lists.h"

namespace hv {
namespace {

TEST(ListOrder, EachOrderKeepsEqualKeysInTheirChartOrder) {
    SongTable chart;
    const std::tuple<const char*, const char*, int> songs[] = {
        {"Queen", "One", 5},  {"ABBA", "Two", 9},  {"abba", "Three", 5},
        {"Queen", "Four", 9}, {"ABBA", "Five", 1}, {"\xC9lan", "Six", 0}};
    for (auto [artist, title, votes] : songs)
        test::addSong(chart, artist, title, 1970, 9999, "03:00", votes);
    // Bytes compare as unsigned: upper case, then lower case, then accents.
    // Votes go from most to fewest; an unknown order leaves the list as it is.
    const std::pair<int, std::vector<int>> orders[] = {{kSortArtist, {2, 5, 1, 4, 3, 6}},
                                                       {kSortSong, {5, 4, 1, 6, 3, 2}},
                                                       {kSortVotes, {2, 4, 1, 3, 5, 6}},
                                                       {7, {1, 2, 3, 4, 5, 6}}};
    for (const auto& [order, places] : orders) {
        SongTable t = chart;
        sortRows(t, order);
        std::vector<int> sorted;
        for (int r = 0; r < t.count; ++r) sorted.push_back(t.rows[r].place);
        EXPECT_EQ(sorted, places) << order;
        sortRows(t, kSortRanking);  // brings the chart back
        for (int r = 0; r < t.count; ++r) EXPECT_EQ(t.rows[r].place, r + 1);
    }
}

TEST(ListOrder, FastSortGivesTheExchangeSortOrder) {
    std::mt19937 random(20240607);
    // Few distinct keys so that equal keys are common; now and then a field
    // left unpadded, so that one name is the start of another.
    const std::vector<std::string> names = {"ABBA",    "abba", "Queen", "Queen ",
                                            "\xC9lan", "Zz",   "Q",     std::string("Q\0x", 3),
                                            "",        "\x7F"};
    const int numbers[] = {0, 1, 2, 3, -1, 9999, INT_MIN, INT_MAX};
    auto pick = [&](const auto& pool) { return pool[random() % std::size(pool)]; };
    for (int round = 0; round < 60; ++round) {
        SongTable table;
        for (int r = 0, n = static_cast<int>(random() % 80); r < n; ++r) {
            Song& s = test::addSong(table, pick(names), pick(names), 1950 + r, r % 2 ? 9999 : 0,
                                    std::to_string(r), pick(numbers), pick(numbers));
            if (random() % 3 == 0) s.artist = pick(names);
            if (random() % 3 == 0) s.song = pick(names);
        }
        for (int order = 1; order <= 4; ++order) {
            SongTable reference = table, fast = table;
            exchangeSortRows(reference, order);
            sortRows(fast, order);
            for (int r = 0; r < table.count; ++r)
                ASSERT_EQ(test::fieldsOf(fast.rows[r]), test::fieldsOf(reference.rows[r]))
                    << "round " << round << " order " << order << " row " << r;
        }
    }
}

}  // namespace
}  // namespace hv
