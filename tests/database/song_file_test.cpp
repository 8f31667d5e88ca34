#include "database/song_file.h"

#include <gtest/gtest.h>

#include <tuple>

#include "database/text_files.h"
#include "database/text_format.h"
#include "support/song_lists.h"

namespace hv {
namespace {

using test::genericLine;
using test::kHeader2007;

TEST(SongFile, LayoutAndYearAreChosenByNameAndEachLayoutTakesItsOwnFields) {
    // Case-sensitive; 2005 before 2004 before 2006, wherever they stand in the name.
    EXPECT_EQ(songLayoutFor("2004.txt-2005.txt"), SongLayout::List2005);
    EXPECT_EQ(songLayoutFor("LIST2005.TXT"), SongLayout::Generic);

    // prevRank, duration and votes per layout; missing fields read as empty.
    const std::tuple<const char*, SongLayout, int, const char*, int> lines[] = {
        {"7\tQueen\tBohemian Rhapsody\t1975\t   3\t0:05:55\t12\tx", SongLayout::Generic, 3, "05:55",
         12},
        {"2\tA\tB\t1999\t8\tx\tx\tx\tx\t9\t0:03:10\t77", SongLayout::List2005, 8, "03:10", 0},
        {"3\tA\tB\t1999\t5\t6\t7\t8\t9\t10\t42\t0:04:01", SongLayout::List2006, 42, "04:01", 0},
        {"4\tOnly Artist", SongLayout::Generic, kNewSong, "00:00", 0}};
    for (auto [line, layout, prevRank, duration, votes] : lines) {
        Song s = parseSongLine(line, layout);
        EXPECT_EQ(std::tie(s.prevRank, s.duration, s.votes),
                  std::make_tuple(prevRank, std::string(duration), votes))
            << line;
    }
    // A leading year, else the name's last year of 1999 to 2010.
    EXPECT_EQ(chartYearFromHeader("2007  Artist", "list2003.txt", 2026), 2007);
    EXPECT_EQ(chartYearFromHeader("1900", "2010-vs-1999.txt", 2026), 2010);
}

TEST(SongFile, WhereAListEnds) {
    test::TempFolder f;
    auto read = [&](const std::string& text, int limit = kDefaultImportLimit) {
        f.writeFile("list.txt", text);
        return readSongFile(f.folder + "list.txt", "list.txt", 2026, limit);
    };
    // CR LF reads as LF, and "x" plus line end ends the list.
    SongFileContents crlf =
        read("2001 header\r\n1\tA\tB\t1999\t3\t0:04:12\t7\r\nx\r\n" + genericLine(2, "C", "D"));
    ASSERT_EQ(crlf.songs.size(), 1u);
    EXPECT_EQ(std::tie(crlf.chartYear, crlf.songs[0].votes), std::make_tuple(2001, 7));
    // An empty first song line ends the list at once.
    EXPECT_TRUE(read(kHeader2007 + "\n" + genericLine(1, "A", "B")).songs.empty());

    // The songs a limit leaves out are counted to the end of the list.
    SongFileContents list = read(test::numberedList(500), 100);
    EXPECT_EQ(std::tuple(list.songs.size(), list.reachedMaximum, list.leftOut),
              std::tuple(size_t{100}, false, 400));
}

TEST(SongFile, ACrAtTheEdgeOfTheReadersBlockStaysWithItsLine) {
    const std::string a(65535, 'a');  // the CR ends the first 64 KiB block
    test::TempFolder f;
    f.writeFile("lines.txt", a + "\r\nx");
    for (auto [ends, first] : {std::pair{LineEnds::CrLfOrLf, a}, {LineEnds::LfOnly, a + "\r"}}) {
        LineReader reader(f.folder + "lines.txt", ends);
        std::string line;
        bool hadLineEnd = false;
        ASSERT_TRUE(reader.next(line, &hadLineEnd));
        EXPECT_EQ(std::pair(line, hadLineEnd), std::pair(first, true));
        ASSERT_TRUE(reader.next(line, &hadLineEnd));
        EXPECT_EQ(std::pair(line, hadLineEnd), std::pair(std::string("x"), false));
    }
}

TEST(TextFormat, TextLongerThanTheFirstBufferComesOutWhole) {
    std::string out = "kept ";
    appendFormat(out, "%d %s", 42, std::string(600, 'n').c_str());
    EXPECT_EQ(formatText("<%s>", out.c_str()), "<kept 42 " + std::string(600, 'n') + ">");
}

}  // namespace
}  // namespace hv
