#include "maintenance/double_tests.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace hv
