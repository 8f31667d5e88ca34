#include "database/row_edits.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/song_lists.h"

namespace hv {
namespace {

// "Artist A" onwards in chart order, each with a country of its own.
SongTable letters(int count) {
    SongTable t;
    for (int i = 0; i < count; ++i) {
        std::string letter(1, static_cast<char>('A' + i));
        test::addSong(t, "Artist " + letter, "Song " + letter).country = "C" + letter;
    }
    return t;
}

// The artists' letters in row order; checks places 1, 2, 3 ..., countries and an empty row behind.
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

TEST(RowEdits, TypedValuesFollowTheirRules) {
    using Texts = std::vector<const char*>;
    const std::tuple<bool (*)(std::string_view), Texts, Texts> rules[] = {
        {isValidYear, {"1900", "2100"}, {"1899", "2101", "85", "01985", "19x5"}},
        {isValidDuration, {"03:45"}, {"3:45", "03:456", "03.45", "0a:45"}},
        {isValidPrevRank, {"1", "10009"}, {"0", "10010", "x"}},
        {isValidVotes, {"0", "abc"}, {"-3"}}};  // text that is not a number counts as 0
    for (const auto& [check, valid, invalid] : rules) {
        for (const char* text : valid) EXPECT_TRUE(check(text)) << text;
        for (const char* text : invalid) EXPECT_FALSE(check(text)) << text;
    }
}

TEST(RowEdits, InsertDeleteAndMoveKeepPlacesConsecutive) {
    Song added;
    added.artist = fitName("Artist N");
    const std::pair<std::function<void(SongTable&)>, const char*> edits[] = {
        {[&](SongTable& t) { insertRow(t, 0, added); }, "NABCDEFG"},
        {[&](SongTable& t) { insertRow(t, 3, added); }, "ABCNDEFG"},
        {[&](SongTable& t) { insertRow(t, 7, added); }, "ABCDEFGN"},
        {[&](SongTable& t) { insertRow(t, 12, added); }, "ABCDEFGN"},
        {[](SongTable& t) { deleteRow(t, 0); }, "BCDEFG"},
        {[](SongTable& t) { deleteRow(t, 6); }, "ABCDEF"},
        {[](SongTable& t) { deleteRow(t, 7); }, "ABCDEFG"},
        {[](SongTable& t) { moveRow(t, 2, 5); }, "ABDEFCG"},
        {[](SongTable& t) { moveRow(t, 5, 2); }, "ABFCDEG"},
        {[](SongTable& t) { moveRow(t, 5, 0); }, "FABCDEG"},
        {[](SongTable& t) { moveRow(t, 3, 3); }, "ABCDEFG"},
        {[](SongTable& t) { moveRow(t, 3, 7); }, "ABCDEFG"}};
    for (size_t i = 0; i < std::size(edits); ++i) {
        SongTable t = letters(7);
        edits[i].first(t);
        EXPECT_EQ(listed(t), edits[i].second) << "edit " << i;
    }
}

TEST(RowEdits, InsertStopsWhenTheTableIsFull) {
    SongTable t = letters(1);
    t.count = kInsertMaximum + 1;
    EXPECT_FALSE(insertRow(t, 0, Song{}));

    t.count = kInsertMaximum;
    t.rows[kInsertMaximum - 1].artist = fitName("Last");
    ASSERT_TRUE(insertRow(t, kInsertMaximum - 1, Song{}));
    EXPECT_EQ(t.count, kInsertMaximum + 1);
    EXPECT_EQ(t.rows[kInsertMaximum].artist, fitName("Last"));
    EXPECT_EQ(t.rows[kSongCapacity - 1].artist, "");
}

}  // namespace
}  // namespace hv
