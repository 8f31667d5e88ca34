#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "console/main_commands.h"
#include "console/sort_list.h"
#include "database/list_order.h"
#include "database/song_list_fixtures.h"

namespace hv {

namespace {

// Keeps what the screen showed each time it was presented.
struct PresentRecorder : ScriptedBackend {
    std::vector<std::string> shown;
    void present(const CellGrid& cells, int, int) override {
        Screen copy;
        copy.cells = cells;
        shown.push_back(screenText(copy));
    }
};

std::vector<int> placesOf(const SongTable& t) {
    std::vector<int> out;
    for (int r = 0; r < t.count; ++r) out.push_back(t.rows[r].place);
    return out;
}

}  // namespace

TEST(SortList, FastSortGivesTheExchangeSortOrder) {
    std::mt19937 random(20240607);
    // Few distinct keys so that equal keys are common; bytes above 0x7F and
    // lower case test the plain byte comparison.
    const std::vector<std::string> names = {"ABBA",    "abba", "Queen", "Queen ",
                                            "\xC9lan", "Zz",   "Q"};
    for (int round = 0; round < 60; ++round) {
        SongTable table;
        table.count = static_cast<int>(random() % 80);
        for (int r = 0; r < table.count; ++r) {
            Song& s = table.rows[r];
            s.place = static_cast<int>(random() % 30);
            s.artist = fitName(names[random() % names.size()]);
            s.song = fitName(names[random() % names.size()]);
            s.votes = static_cast<int>(random() % 5);
            s.year = 1950 + r;  // tells equal-key rows apart
            s.duration = std::to_string(r);
            s.country = r % 3 ? "NL" : "";
            s.prevRank = r % 2 ? 9999 : 0;
        }
        for (int order = 1; order <= 4; ++order) {
            SongTable reference = table, fast = table;
            exchangeSortRows(reference, order);
            sortRows(fast, order);
            SCOPED_TRACE("round " + std::to_string(round) + " order " + std::to_string(order));
            ASSERT_EQ(fast.count, reference.count);
            for (int r = 0; r < table.count; ++r)
                ASSERT_EQ(test::fieldsOf(fast.rows[r]), test::fieldsOf(reference.rows[r])) << r;
        }
    }
}

TEST(SortList, OrdersAndTheirStability) {
    test::TestApp t;
    t.addSong("Queen", "One", 1970, 9999, "03:00", 5);
    t.addSong("ABBA", "Two", 1970, 9999, "03:00", 9);
    t.addSong("abba", "Three", 1970, 9999, "03:00", 5);
    t.addSong("Queen", "Four", 1970, 9999, "03:00", 9).country = "UK";
    t.addSong("ABBA", "Five", 1970, 9999, "03:00", 1);
    SongTable& songs = t.app.songs;
    songs.changeCount = 4;
    // Equal keys keep their chart order; lower case sorts after every upper
    // case; votes go from most to fewest.
    const std::tuple<int, int, std::vector<int>> steps[] = {
        {kKeyF6, kSortArtist, {2, 5, 1, 4, 3}},
        {kKeyF9, kSortRanking, {1, 2, 3, 4, 5}},
        {kKeyF8, kSortVotes, {2, 4, 1, 3, 5}},
        {kKeyF7, kSortSong, {5, 4, 1, 3, 2}},
        {kKeyF9, kSortRanking, {1, 2, 3, 4, 5}}};
    for (const auto& [key, order, places] : steps) {
        SCOPED_TRACE(key);
        ASSERT_TRUE(runCommandKey(t.app, key));
        EXPECT_EQ(songs.sortOrder, order);
        EXPECT_EQ(placesOf(songs), places);
        for (int r = 0; r < songs.count; ++r)  // the country goes with its song
            EXPECT_EQ(songs.rows[r].country, songs.rows[r].place == 4 ? "UK" : "") << r;
    }
    EXPECT_EQ(songs.changeCount, 4) << "sorting is not a change";
}

TEST(SortList, NoticeShowsAndLeavesTheScreenAsItWas) {
    test::TestApp t;
    auto recorder = std::make_unique<PresentRecorder>();
    PresentRecorder& shown = *recorder;
    t.app.screen.backend = std::move(recorder);
    moveCursor(t.app.screen, 12, 30);
    putText(t.app.screen, "underneath");
    std::string before = t.screen();

    for (int songs : {0, 1}) {
        if (songs) t.addSong("Only", "One", 1999);
        t.app.songs.sortOrder = kSortVotes;
        shown.shown.clear();
        sortList(t.app);
        ASSERT_EQ(shown.shown.size(), 1u);
        EXPECT_EQ(shown.shown[0].substr(10 * 81 + 24, 31), "Sorting on Votes, one moment...");
        EXPECT_EQ(t.screen(), before);
        EXPECT_EQ(t.app.songs.count, songs);
    }
    EXPECT_EQ(t.app.songs.rows[0].artist, fitName("Only"));
    t.app.songs.sortOrder = kSortRanking;
    sortList(t.app);
    EXPECT_NE(shown.shown.back().find("Sorting on Ranking, one moment..."), std::string::npos);
}

}  // namespace hv
