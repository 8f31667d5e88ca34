// The word tests that tell doubles and look-alikes apart, and the double
// check of a whole list built on them.
#include "maintenance/double_tests.h"

#include <gtest/gtest.h>

#include "maintenance/double_check.h"
#include "support/song_lists.h"

namespace hv {
namespace {

using Words = std::vector<std::string>;

TEST(DoubleTests, NameWords) {
    const std::tuple<const char*, std::size_t, Words> cases[] = {
        {"Golden Road", kTitleWordMinimum, {"GOLDEN ", "ROAD"}},
        {"You and Me", kTitleWordMinimum, {"YOU ", "AND ", "ME"}},
        {"The Best of The Rest", kTitleWordMinimum, {"BEST ", "REST"}},
        {"Fade to The", kTitleWordMinimum, {"FADE ", "THE"}},
        {"Al  Green", kArtistWordMinimum, {"AL"}},  // a double blank ends the name
        {"Al Di Meola", kArtistWordMinimum, {"AL ", "DI ", "MEOLA"}},
        // At full width the last character is never read; a blank before it
        // leaves an empty final word.
        {"Abcdefghij Klmnopqrstuvwxyzab", kTitleWordMinimum, {"ABCDEFGHIJ ", "KLMNOPQRSTUVWXYZA"}},
        {"Abcdefghij Klmnopqrstuvwxyz X",
         kTitleWordMinimum,
         {"ABCDEFGHIJ ", "KLMNOPQRSTUVWXYZ ", ""}},
    };
    for (const auto& [name, minimum, words] : cases)
        EXPECT_EQ(nameWords(upperCase(fitName(name)), minimum), words) << name;
}

TEST(DoubleTests, VerdictsOfBothForms) {
    using V = PairVerdict;
    // candidate artist, title; listed artist, title; verdict
    const std::tuple<const char*, const char*, const char*, const char*, V> cases[] = {
        {"Grateful Dead", "Golden Road", "Grateful Dead", "Golden Road", V::Double},
        {"GRATEFUL dead", "Golden ROAD", "Grateful Dead", "golden road", V::Double},
        {"Grateful Dead", "Golden Road", "Grateful Dead", "Golden Sky", V::LookAlike},
        {"Grateful Dead Band", "Golden Road", "Grateful Dead", "Golden Sky", V::LookAlike},
        {"Dead Grateful", "Golden Road", "Grateful Dead", "Golden Sky", V::Different},
        {"Grateful Dead", "Golden Road", "Kinks", "Golden Sky", V::Different},
        {"Grateful Dead", "You and Me", "Grateful Dead", "You Are", V::Different},
        {"Band", "Hey You The", "Band", "Hey Me The", V::LookAlike},  // a final THE counts
        {"Band", "Hey The Night", "Band", "Hey The Day", V::Different},
        {"Al Green", "Love and Happiness", "Al Jarreau", "Love Is Real", V::LookAlike},
        {"The Kinks", "Lola", "The Who", "Lola", V::Different},
    };
    for (const auto& [ca, cs, la, ls, verdict] : cases) {
        SongTable t;
        const Song& candidate = test::addSong(t, ca, cs);
        const Song& listed = test::addSong(t, la, ls);
        EXPECT_EQ(comparePairLiteral(candidate, listed), verdict) << cs << " / " << ls;
        EXPECT_EQ(comparePair(nameKeys(candidate), nameKeys(listed)), verdict) << cs << " / " << ls;
    }
}

using CheckFunction = DoubleCheckResult (*)(SongTable&, const DoubleCheckEvents&);

class DoubleCheck : public testing::TestWithParam<CheckFunction> {};

TEST_P(DoubleCheck, AnswersAndRenumbering) {
    using A = DoubleCheckAnswer;
    // The answers given in turn; the pairs shown (earlier-later row and the
    // later title, * when automatic); doubles, songs left, checking lines.
    const std::tuple<std::vector<A>, const char*, int, int, int> cases[] = {
        {{A::Remove, A::Keep}, "10-11 Sky,10-11 Day,", 3, 14, 14},
        {{A::Automatic}, "10-11 Sky,10-11 Day*,", 4, 14, 14},
        {{A::Quit}, "10-11 Sky,", 2, 15, 11},
        {{A::Keep, A::Keep, A::Keep}, "10-11 Sky,10-12 Day,11-12 Day,", 2, 15, 15},
    };
    for (const auto& [answers, pairs, doubles, left, checkingLines] : cases) {
        SongTable t;
        for (const char* title : {"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot", "Golf",
                                  "Hotel", "India", "Juliet"})
            test::addSong(t, "Band " + std::to_string(t.count), title);
        for (const char* end : {"Road", "Sky", "Day"})
            test::addSong(t, "Grateful Dead", std::string("Golden ") + end);
        test::addSong(t, "Band 0", "Alpha");  // an exact double of row 0
        test::addSong(t, "BAND 1", "bravo");  // a double of row 1 apart from case
        std::string shown;
        int checking = 0;
        DoubleCheckEvents events;
        events.checking = [&](int row, int) { EXPECT_EQ(row, checking++); };
        events.lookAlike = [&](const DoubleCheckPair& p) {
            shown += std::to_string(p.earlierRow) + "-" + std::to_string(p.laterRow) + " " +
                     p.later.song.substr(7, 3) + (p.automatic ? "*," : ",");
            const size_t n = std::count(shown.begin(), shown.end(), ',');
            return n <= answers.size() ? answers[n - 1] : A::Keep;
        };
        DoubleCheckResult r = GetParam()(t, events);
        EXPECT_EQ(std::tuple(shown, r.checked, r.doubles, t.count, t.changeCount, checking),
                  std::tuple(std::string(pairs), 15, doubles, left, 15 - left, checkingLines));
        for (int row = 0; row < t.count; ++row) EXPECT_EQ(t.rows[row].place, row + 1);
        EXPECT_EQ(t.rows[t.count].artist, "");
        EXPECT_EQ(t.rows[11].song.substr(7, 3), left == 14 ? "Day" : "Sky");
    }
}

INSTANTIATE_TEST_SUITE_P(IndexedAndLiteral, DoubleCheck,
                         testing::Values(&doubleCheck, &doubleCheckLiteral));

}  // namespace
}  // namespace hv
