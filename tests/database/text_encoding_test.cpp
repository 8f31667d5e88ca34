#include "database/text_encoding.h"

#include <gtest/gtest.h>

#include <tuple>

#include "database/import.h"
#include "database/list_encoding.h"
#include "database/save_list.h"
#include "support/song_lists.h"

namespace hv {
namespace {

using Enc = TextEncoding;

TEST(TextEncoding, DecidesAndConverts) {
    const std::tuple<std::string, Enc, std::string, int> cases[] = {
        {"Beyonc\xE9 caf\xC3\xA9", Enc::Windows1252, "Beyonc\xE9 caf\xC3\xA9", 0},
        {"Beyonc\xC3\xA9 \xE2\x82\xAC", Enc::Utf8, "Beyonc\xE9 \x80", 0},
        {"\xEF\xBB\xBFplain", Enc::Utf8WithBom, "plain", 0},
        // Windows-1252 "Ã©" alone is valid UTF-8, so it reads as "é".
        {"\xC3\xA9", Enc::Utf8, "\xE9", 0},
        {"\xCE\xA9mega \xF0\x9F\x8E\xB5", Enc::Utf8, "?mega ?", 2},
        {"\xEF\xBB\xBF\xFFx\xC2\x81", Enc::Utf8WithBom, "?x\x81", 1},
    };
    for (const auto& [bytes, encoding, text, replaced] : cases) {
        DecodedText d = decodeText(bytes);
        EXPECT_EQ(std::tie(d.encoding, d.text, d.replaced), std::tie(encoding, text, replaced))
            << bytes;
    }
    std::string every;
    for (int b = 1; b < 256; ++b) every.push_back(static_cast<char>(b));
    const std::string utf8 = windows1252ToUtf8(every);
    EXPECT_TRUE(isValidUtf8(utf8));
    EXPECT_EQ(utf8ToWindows1252(utf8), every);
}

TEST(TextEncoding, AUtf8ListReadsAsItsTwinAndSavesBackUnchanged) {
    test::TempFolder f;
    SongTable twin;
    test::addSong(twin, "Beyonc\xE9", "D\xE9j\xE0 Vu");
    test::addSong(twin, std::string(29, '\xC9'),
                  "\x80uro \x96 Stra\xDF"
                  "e",
                  1999, 0);
    const std::string list = formatSongList(twin, 2026);
    for (Enc encoding : {Enc::Windows1252, Enc::Utf8, Enc::Utf8WithBom}) {
        const std::string bytes = encodeText(list, encoding);
        f.writeFile("mysongs.txt", bytes);
        SongFileContents read = readSongFile(f.folder + "mysongs.txt", "mysongs.txt", 2026, 100);
        ASSERT_EQ(read.songs.size(), 2u);
        for (int r = 0; r < 2; ++r)
            EXPECT_EQ(test::fieldsOf(read.songs[r]), test::fieldsOf(twin.rows[r]));
        EXPECT_EQ(std::pair(read.encoding, read.replacedCharacters), std::pair(encoding, 0));

        Settings settings = defaultSettings(2026);
        SongTable table;
        ASSERT_TRUE(
            storeImportedList(f.folder, read, settings, table, OnWriteFailure::KeepOldList).stored);
        EXPECT_EQ(readListEncoding(f.folder, "mysongs.txt"), encoding);
        EXPECT_EQ(readListEncoding(f.folder, "other.txt"), Enc::Windows1252);
        ASSERT_TRUE(writeSongList(f.folder, "mysongs.txt", table, 2026, encoding).written);
        EXPECT_EQ(f.readFile("mysongs.txt"), bytes) << encodingName(encoding);
    }
    // Widths count converted characters; what Windows-1252 lacks is a "?".
    std::string e35;
    for (int i = 0; i < 35; ++i) e35 += "\xC3\xA9";
    f.writeFile("long.txt",
                test::kHeader2007 + test::genericLine(1, e35, "\xCE\xA9 \xC3\xA9") + "\n");
    SongFileContents read = readSongFile(f.folder + "long.txt", "long.txt", 2026, 100);
    EXPECT_EQ(std::tie(read.songs.at(0).artist, read.songs.at(0).song, read.replacedCharacters),
              std::tuple(std::string(29, '\xE9'), fitName("? \xE9"), 1));
}

}  // namespace
}  // namespace hv
