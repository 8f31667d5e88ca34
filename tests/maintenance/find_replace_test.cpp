#include "maintenance/find_replace.h"

#include <gtest/gtest.h>

#include "support/song_lists.h"

namespace hv {
namespace {

TEST(FindReplace, FindsAndRefitsTheField) {
    using Change = std::optional<std::pair<bool, std::string>>;  // in artist, new text
    // artist, title, search, replacement, ignore case, the change
    const std::tuple<const char*, const char*, const char*, const char*, bool, Change> cases[] = {
        {"Blue Oyster", "Blue Moon", "blue", "Red", true, std::pair(true, "Red Oyster")},
        {"BLUE", "Moon", "blue", "Navy", true, std::pair(true, "Navy")},
        {"Blue Oyster", "Blue Moon", "blue", "Red", false, std::nullopt},
        {"Kinks", "Blue Moon", "Blue", "Red", false, std::pair(false, "Red Moon")},
        {"Abcdef", "x", "bcd", "WXYZ", false, std::pair(true, "AWXYZef")},
        {"Sting and Police", "x", "and ", "", false, std::pair(true, "Sting Police")},
        {"Abcdefghijklmnopqrstuvwxyz123", "x", "ABC", "Longer ", true,
         std::pair(true, "Longer defghijklmnopqrstuvwxyz123")},
        {"Kinks", "Lola", "", "Blue", false, std::nullopt},
    };
    for (const auto& [artist, title, search, replacement, ignoreCase, expected] : cases) {
        SongTable t;
        Song& row = test::addSong(t, artist, title);
        std::optional<Replacement> change = findReplacement(row, {search, replacement}, ignoreCase);
        ASSERT_EQ(change ? Change(std::pair(change->inArtist, change->newText)) : std::nullopt,
                  expected)
            << artist << " / " << search;
        if (!change) continue;
        EXPECT_EQ(change->field, change->inArtist ? row.artist : row.song);
        applyReplacement(row, *change);
        EXPECT_EQ(change->inArtist ? row.artist : row.song, fitName(expected->second));
        EXPECT_EQ(change->inArtist ? row.song : row.artist,
                  fitName(change->inArtist ? title : artist));
    }
}

TEST(FindReplace, ReplaceFile) {
    test::TempFolder f;
    EXPECT_FALSE(readReplaceFile(f.folder));
    ASSERT_TRUE(writeReplaceFile(f.folder, {"Beatles", "The Beatles"}));
    EXPECT_EQ(f.readFile("replace.ini"), "Beatles\nThe Beatles\n");
    const std::pair<const char*, std::pair<const char*, const char*>> files[] = {
        {"Beatles\r\nThe Beatles\r\n", {"Beatles", "The Beatles"}},
        {"Beatles\n", {"Beatles", ""}},
        {"An artist name of forty characters long\nx", {"An artist name of forty char", "x"}},
        {"Beyonc\xC3\xA9\n\xE2\x84\xA6", {"Beyonc\xE9", "?"}},
    };
    for (const auto& [text, texts] : files) {
        f.writeFile("replace.ini", text);
        std::optional<ReplaceTexts> read = readReplaceFile(f.folder);
        ASSERT_TRUE(read);
        EXPECT_EQ(std::pair(read->search, read->replacement),
                  std::pair(std::string(texts.first), std::string(texts.second)));
    }
}

}  // namespace
}  // namespace hv
