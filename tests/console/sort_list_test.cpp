#include "console/sort_list.h"

#include <gtest/gtest.h>

#include <cstring>

#include "console/main_commands.h"
#include "database/song_list_fixtures.h"

namespace hv {

namespace {

struct PresentRecorder : ScriptedBackend {
    std::vector<std::string> shown;
    void present(const CellGrid& cells, int, int) override {
        Screen copy;
        copy.cells = cells;
        shown.push_back(screenText(copy));
    }
};

}  // namespace

TEST(SortList, KeysChooseTheOrderAndTheNoticeLeavesTheScreenAsItWas) {
    test::TestApp t;
    auto recorder = std::make_unique<PresentRecorder>();
    PresentRecorder& shown = *recorder;
    t.app.screen.backend = std::move(recorder);
    t.addSong("Queen", "One", 1970, 9999, "03:00", 5);
    t.addSong("ABBA", "Two", 1970, 9999, "03:00", 9);
    putTextAt(t.app.screen, 12, 30, "underneath");
    const std::string before = t.screen();
    t.app.songs.changeCount = 4;
    const std::tuple<int, int, const char*, int> keys[] = {
        {kKeyF6, kSortArtist, "Sorting on Artist, one moment...", 2},
        {kKeyF9, kSortRanking, "Sorting on Ranking, one moment...", 1},
        {kKeyF8, kSortVotes, "Sorting on Votes, one moment...", 2},
        {kKeyF7, kSortSong, "Sorting on Song, one moment...", 1}};
    for (const auto& [key, order, notice, firstPlace] : keys) {
        shown.shown.clear();
        ASSERT_TRUE(runCommandKey(t.app, key));
        EXPECT_EQ(t.app.songs.sortOrder, order);
        EXPECT_EQ(t.app.songs.rows[0].place, firstPlace) << notice;
        ASSERT_EQ(shown.shown.size(), 1u);
        EXPECT_EQ(shown.shown[0].substr(10 * 81 + 24, std::strlen(notice)), notice);
        EXPECT_EQ(t.screen(), before);
    }
    EXPECT_EQ(t.app.songs.changeCount, 4) << "sorting is not a change";

    t.app.songs.count = 0;  // an empty list shows the notice all the same
    sortList(t.app);
    EXPECT_EQ(shown.shown.size(), 2u);
}

}  // namespace hv
