#include "database/song_search.h"

#include <gtest/gtest.h>

#include "support/song_lists.h"

namespace hv {
namespace {

TEST(SongSearch, OnlyAWholeNumberFrom1To10009Jumps) {
    using Jump = std::pair<const char*, std::optional<int>>;
    const Jump texts[] = {{"25", 25},           {" 7 ", 7},        {"10009", 10009}, {"0", {}},
                          {"10010", {}},        {"-4", {}},        {"QUEEN", {}},    {"", {}},
                          {"25 OR 6 TO 4", {}}, {"5 SECONDS", {}}, {"99 ", 99},      {"+3", {}},
                          {"99999999999", {}}};
    for (const auto& [text, target] : texts) EXPECT_EQ(jumpTarget(text), target) << text;
}

TEST(SongSearch, MatchesInArtistOrTitleAndStaysInsideTheList) {
    SongTable t;
    test::addSong(t, "Band", "Title");
    test::addSong(t, "Queen", "Title");
    test::addSong(t, "Band", "Killer qUEEN");
    test::addSong(t, "Caf\xe9 Bleu", "Title");
    test::addSong(t, "Band", "Queen Medley");
    t.rows[5].artist = fitName("Queen");  // a stale row behind the list
    // Only a to z are upper-cased; trailing spaces match the padding.
    const std::pair<const char*, bool> texts[] = {
        {"QUEEN", true}, {"QUEEN   ", true}, {"CAF\xe9", true}, {"CAF\xc9", false}, {"", true}};
    for (auto [text, matches] : texts)
        EXPECT_EQ(rowMatches(t.rows[1], text) || rowMatches(t.rows[3], text), matches) << text;

    // From, found: forward and backward, starting points outside the songs
    // brought back to them.
    const std::tuple<int, int, int> steps[] = {{0, 1, -1}, {2, 2, 2},   {3, 4, 2},
                                               {5, -1, 4}, {-3, 1, -1}, {10030, -1, 4}};
    for (auto [from, forward, backward] : steps) {
        EXPECT_EQ(searchForward(t, "QUEEN", from), forward) << from;
        EXPECT_EQ(searchBackward(t, "QUEEN", from), backward) << from;
    }
    SongTable empty;
    EXPECT_EQ(searchForward(empty, "", 0), -1);
    EXPECT_EQ(searchBackward(empty, "", 5), -1);
}

}  // namespace
}  // namespace hv
