#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "console/main_commands.h"
#include "console/sort_list.h"
#include "support/test_app.h"

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

std::vector<std::string> artistsOf(const SongTable& t) {
    std::vector<std::string> out;
    for (int r = 0; r < t.count; ++r) out.push_back(t.rows[r].artist.substr(0, 6));
    return out;
}

std::vector<int> placesOf(const SongTable& t) {
    std::vector<int> out;
    for (int r = 0; r < t.count; ++r) out.push_back(t.rows[r].place);
    return out;
}

bool sameRows(const SongTable& a, const SongTable& b) {
    if (a.count != b.count) return false;
    for (int r = 0; r < a.count; ++r) {
        const Song &x = a.rows[r], &y = b.rows[r];
        if (x.place != y.place || x.artist != y.artist || x.song != y.song || x.year != y.year ||
            x.prevRank != y.prevRank || x.duration != y.duration || x.votes != y.votes ||
            x.country != y.country)
            return false;
    }
    return true;
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
            EXPECT_TRUE(sameRows(reference, fast)) << "round " << round << " order " << order;
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

    songs.sortOrder = kSortArtist;
    sortList(t.app);
    // Same artists keep their chart order; lower case after every upper case.
    EXPECT_EQ(placesOf(songs), (std::vector<int>{2, 5, 1, 4, 3}));
    EXPECT_EQ(songs.rows[3].country, "UK");
    EXPECT_EQ(songs.rows[3].song, fitName("Four"));

    songs.sortOrder = kSortRanking;
    sortList(t.app);
    EXPECT_EQ(placesOf(songs), (std::vector<int>{1, 2, 3, 4, 5}));

    ASSERT_TRUE(runCommandKey(t.app, kKeyF8));
    EXPECT_EQ(songs.sortOrder, kSortVotes);
    EXPECT_EQ(placesOf(songs), (std::vector<int>{2, 4, 1, 3, 5}));

    ASSERT_TRUE(runCommandKey(t.app, kKeyF7));
    EXPECT_EQ(artistsOf(songs),
              (std::vector<std::string>{"ABBA  ", "Queen ", "Queen ", "abba  ", "ABBA  "}));
    ASSERT_TRUE(runCommandKey(t.app, kKeyF9));
    EXPECT_EQ(placesOf(songs), (std::vector<int>{1, 2, 3, 4, 5}));
    // A shorter name before a longer one that begins with it.
    ASSERT_TRUE(runCommandKey(t.app, kKeyF6));
    EXPECT_EQ(songs.sortOrder, kSortArtist);
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
