#include "database/song_file.h"

#include <gtest/gtest.h>

#include <tuple>

#include "database/text_files.h"
#include "support/song_lists.h"

namespace hv {
namespace {

using test::genericLine;
using test::kHeader2007;

TEST(SongFile, LayoutIsChosenByNameAndEachTakesItsOwnFields) {
    // Case-sensitive; 2005 before 2004 before 2006, wherever they stand in the name.
    const std::pair<const char*, SongLayout> names[] = {
        {"mysongs.txt", SongLayout::Generic},        {"list2005.txt", SongLayout::List2005},
        {"old/2004.txt", SongLayout::List2004},      {"2006.txt", SongLayout::List2006},
        {"2004.txt-2005.txt", SongLayout::List2005}, {"2006.txt/2004.txt", SongLayout::List2004},
        {"LIST2005.TXT", SongLayout::Generic}};
    for (auto [name, layout] : names) EXPECT_EQ(songLayoutFor(name), layout) << name;

    // prevRank, duration and votes per layout; missing fields read as empty.
    const std::tuple<const char*, SongLayout, int, const char*, int> lines[] = {
        {"7\tQueen\tBohemian Rhapsody\t1975\t   3\t0:05:55\t12\tx", SongLayout::Generic, 3, "05:55",
         12},
        {"1\tA\tB\t1999\t5\t0:03:00\t44", SongLayout::List2004, 5, "00:00", 0},
        {"2\tA\tB\t1999\t8\tx\tx\tx\tx\t9\t0:03:10\t77", SongLayout::List2005, 8, "03:10", 0},
        {"3\tA\tB\t1999\t5\t6\t7\t8\t9\t10\t42\t0:04:01", SongLayout::List2006, 42, "04:01", 0},
        {"4\tOnly Artist", SongLayout::Generic, kNewSong, "00:00", 0}};
    for (auto [line, layout, prevRank, duration, votes] : lines) {
        Song s = parseSongLine(line, layout);
        EXPECT_EQ(std::tie(s.prevRank, s.duration, s.votes),
                  std::make_tuple(prevRank, std::string(duration), votes))
            << line;
    }
    Song g = parseSongLine(std::get<0>(lines[0]), SongLayout::Generic);
    EXPECT_EQ(std::tie(g.place, g.artist, g.song, g.year),
              std::make_tuple(7, fitName("Queen"), fitName("Bohemian Rhapsody"), 1975));
}

TEST(SongFile, DurationAndHeaderYearRules) {
    EXPECT_EQ(shortenDuration("0:04:12"), "04:12");
    EXPECT_EQ(shortenDuration("12:04:12"), ":04:1");

    // A leading number strictly between 1900 and 2100, else the name's last
    // year of 1999 to 2010, else the current year.
    const std::tuple<const char*, const char*, int> headers[] = {
        {"2007  Artist", "list2003.txt", 2007}, {"Artist  Song", "list2003.txt", 2003},
        {"Artist  Song", "list.txt", 2026},     {"1900", "list.txt", 2026},
        {"2100", "list2001.txt", 2001},         {"", "2010-vs-1999.txt", 2010}};
    for (auto [header, name, year] : headers)
        EXPECT_EQ(chartYearFromHeader(header, name, 2026), year) << header << " " << name;
}

TEST(SongFile, WhereAListEnds) {
    test::TempFolder f;
    auto read = [&](const std::string& text, int limit = kDefaultImportLimit) {
        f.writeFile("list.txt", text);
        return readSongFile(f.folder + "list.txt", "list.txt", 2026, limit);
    };
    // CR LF reads as LF, long lines are read whole, and "x" plus line end ends the list.
    const std::string longTitle(400, 't');
    SongFileContents crlf = read("2001 header\r\n1\tA\t" + longTitle + "\t1999\t3\t0:04:12\t7\r\n" +
                                 "2\tB\tC\t2000\t4\t3:58\t8\r\nx\r\n3\tD\tE\t2001\t5\t1:00\t9\r\n");
    ASSERT_EQ(crlf.songs.size(), 2u);
    EXPECT_EQ(std::tie(crlf.chartYear, crlf.songs[0].song, crlf.songs[0].votes),
              std::make_tuple(2001, longTitle.substr(0, 29), 7));
    EXPECT_EQ(crlf.songs[1].duration, "3:58");
    // An empty first song line ends the list at once; an empty file has no header.
    EXPECT_TRUE(read(kHeader2007 + "\n" + genericLine(1, "A", "B")).songs.empty());
    EXPECT_FALSE(read("").hasHeader);
    EXPECT_FALSE(readSongFile(f.folder + "gone.txt", "gone.txt", 2026, 10).opened);

    // The songs left out are counted to the end of the list; the table's
    // maximum is reported apart.
    for (auto [n, limit, kept] : {std::tuple{500, 100, 100},
                                  {10008, kSongCapacity, 10008},
                                  {10009, kSongCapacity, 10008}}) {
        SongFileContents list = read(test::numberedList(n) + genericLine(n + 1, "X", "Y"), limit);
        EXPECT_EQ(std::tuple(list.songs.size(), list.reachedMaximum, list.leftOut),
                  std::tuple(size_t(kept), n > 500, n - kept))
            << n;
    }
}

TEST(SongFile, LinesAreReadWholeAcrossTheReadersBlocks) {
    // Line ends that fall on or next to a block's edge (64 KiB), a line of
    // several blocks, a last line without its end; the CR is part of the
    // line end or, read LF only, of the line.
    const std::string a(65535, 'a'), b(65536, 'b'), c(200000, 'c');
    using Lines = std::vector<std::pair<std::string, bool>>;
    const std::tuple<std::string, Lines, Lines> files[] = {
        {a + "\r\nx", {{a, true}, {"x", false}}, {{a + "\r", true}, {"x", false}}},
        {b + "\n" + a + "\r\r\n", {{b, true}, {a + "\r", true}}, {{b, true}, {a + "\r\r", true}}},
        {c + "\r", {{c, false}}, {{c + "\r", false}}},
        {"\n\r\n\r",
         {{"", true}, {"", true}, {"", false}},
         {{"", true}, {"\r", true}, {"\r", false}}},
        {"", {}, {}}};
    test::TempFolder f;
    for (const auto& [text, crLfOrLf, lfOnly] : files) {
        f.writeFile("lines.txt", text);
        for (auto [ends, expected] :
             {std::pair{LineEnds::CrLfOrLf, &crLfOrLf}, {LineEnds::LfOnly, &lfOnly}}) {
            LineReader reader(f.folder + "lines.txt", ends);
            Lines read;
            std::string line;
            bool hadLineEnd = false;
            while (reader.next(line, &hadLineEnd)) read.emplace_back(line, hadLineEnd);
            EXPECT_EQ(read, *expected) << text.size() << " " << static_cast<int>(ends);
        }
    }
}

}  // namespace
}  // namespace hv
