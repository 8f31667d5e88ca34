#include "database/row_edits.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/song_lists.h"

namespace hv {
namespace {

// The artists' letters in row order; checks places 1, 2, 3 ... and countries travel along.
std::string listed(const SongTable& t) {
    std::string out;
    for (int r = 0; r < t.count; ++r) {
        char letter = t.rows[r].artist.at(7);
        out.push_back(letter);
        EXPECT_EQ(t.rows[r].place, r + 1) << "row " << r;
        EXPECT_EQ(t.rows[r].country, letter == 'N' ? "" : std::string("C") + letter);
    }
    EXPECT_EQ(t.rows[t.count].artist, "");
    return out;
}

TEST(RowEdits, InsertDeleteAndMoveKeepPlacesConsecutive) {
    Song added;
    added.artist = fitName("Artist N");
    const std::pair<std::function<void(SongTable&)>, const char*> edits[] = {
        {[&](SongTable& t) { insertRow(t, 12, added); }, "ABCDEFGN"},
        {[](SongTable& t) { deleteRow(t, 7); }, "ABCDEFG"},
        {[](SongTable& t) { moveRow(t, 5, 0); }, "FABCDEG"},
        {[](SongTable& t) { moveRow(t, 3, 7); }, "ABCDEFG"}};
    for (size_t i = 0; i < std::size(edits); ++i) {
        SongTable t;
        for (char c : std::string("ABCDEFG"))
            test::addSong(t, std::string("Artist ") + c, "Song").country = std::string("C") + c;
        edits[i].first(t);
        EXPECT_EQ(listed(t), edits[i].second) << "edit " << i;
    }
    // A full table takes no more rows, and the last one stays inside it.
    SongTable t;
    t.count = kInsertMaximum + 1;
    EXPECT_FALSE(insertRow(t, 0, Song{}));
    t.count = kInsertMaximum;
    ASSERT_TRUE(insertRow(t, kInsertMaximum - 1, Song{}));
    EXPECT_EQ(t.rows[kSongCapacity - 1].artist, "");
}

}  // namespace
}  // namespace hv
