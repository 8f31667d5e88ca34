#include "database/list_order.h"

#include <gtest/gtest.h>

#include <climits>
#include <iterator>
#include <random>

#include "support/song_lists.h"

namespace hv {
namespace {

TEST(ListOrder, FastSortGivesTheExchangeSortOrder) {
    std::mt19937 random(20240607);
    // Few keys, so equal keys are common; unpadded fields make names start others.
    const std::vector<std::string> names = {"ABBA",    "abba", "Queen", "Queen ",
                                            "\xC9lan", "Zz",   "Q",     std::string("Q\0x", 3),
                                            "",        "\x7F"};
    const int numbers[] = {0, 1, 2, 3, -1, 9999, INT_MIN, INT_MAX};
    auto pick = [&](const auto& pool) { return pool[random() % std::size(pool)]; };
    for (int round = 0; round < 30; ++round) {
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
