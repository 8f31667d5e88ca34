#include "maintenance/find_replace.h"

#include <gtest/gtest.h>

#include "support/song_lists.h"

namespace hv {
namespace {

TEST(FindReplace, FindsAndRefitsTheField) {
    // artist, title, search, replacement, ignore case; the row after the
    // change as "artist|title", names trimmed, or "-" for no change.
    const std::tuple<const char*, const char*, const char*, const char*, bool, const char*>
        cases[] = {
            {"Blue Oyster", "Blue Moon", "blue", "Red", true, "Red Oyster|Blue Moon"},
            {"BLUE", "Moon", "blue", "Navy", true, "Navy|Moon"},
            {"Blue Oyster", "Blue Moon", "blue", "Red", false, "-"},
            {"Kinks", "Blue Moon", "Blue", "Red", false, "Kinks|Red Moon"},
            {"Abcdef", "x", "bcd", "WXYZ", false, "AWXYZef|x"},
            {"Sting and Police", "x", "and ", "", false, "Sting Police|x"},
            {"Abcdefghijklmnopqrstuvwxyz123", "x", "ABC", "Longer ", true,
             "Longer defghijklmnopqrstuvwxy|x"},
            {"Kinks", "Lola", "", "Blue", false, "-"},
        };
    auto trim = [](const std::string& s) { return s.substr(0, s.find_last_not_of(' ') + 1); };
    for (const auto& [artist, title, search, replacement, ignoreCase, expected] : cases) {
        SongTable t;
        Song& row = test::addSong(t, artist, title);
        std::optional<Replacement> change = findReplacement(row, {search, replacement}, ignoreCase);
        if (change) {
            EXPECT_EQ(change->field, change->inArtist ? row.artist : row.song);
            applyReplacement(row, *change);
        }
        EXPECT_EQ(change ? trim(row.artist) + "|" + trim(row.song) : "-", expected) << artist;
        EXPECT_EQ(row.artist.size() + row.song.size(), 2 * kNameWidth) << artist;
    }
}

TEST(FindReplace, ReplaceFile) {
    test::TempFolder f;
    EXPECT_FALSE(readReplaceFile(f.folder));
    const std::pair<const char*, const char*> files[] = {
        {"Beatles\r\nThe Beatles\r\n", "Beatles|The Beatles"},
        {"Beatles\n", "Beatles|"},
        {"An artist name of forty characters long\nx", "An artist name of forty char|x"},
        {"Beyonc\xC3\xA9\n\xE2\x84\xA6", "Beyonc\xE9|?"},
    };
    for (const auto& [text, texts] : files) {
        f.writeFile("replace.ini", text);
        std::optional<ReplaceTexts> read = readReplaceFile(f.folder);
        EXPECT_EQ(read ? read->search + "|" + read->replacement : "(none)", texts);
    }
}

}  // namespace
}  // namespace hv
