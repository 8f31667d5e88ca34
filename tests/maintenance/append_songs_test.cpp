#include "maintenance/append_songs.h"

#include <gtest/gtest.h>

#include "database/song_file.h"
#include "maintenance/append_layouts.h"
#include "support/song_lists.h"

namespace hv {
namespace {

// "artist|title|year|prevRank|duration", names trimmed, or "-" for none.
std::string shown(const std::optional<Song>& s) {
    if (!s) return "-";
    if (s->artist.size() != kNameWidth || s->song.size() != kNameWidth) return "not fitted";
    auto trim = [](const std::string& n) { return n.substr(0, n.find_last_not_of(' ') + 1); };
    return trim(s->artist) + "|" + trim(s->song) + "|" + std::to_string(s->year) + "|" +
           std::to_string(s->prevRank) + "|" + s->duration;
}

TEST(AppendLayouts, EachLayoutReadsItsLines) {
    const char* const cases[][4] = {
        // header, file name, line, the candidate
        {"2007", "my.txt", "5\tA\tS\t1974\t12\t0:02:45\t99", "A|S|1974|0|02:45"},
        {"", "top1999.txt", "1\tA\tS\t1974", "A|S|0|9999|00:00"},
        {"No Place", "x.txt", "A\tS\t1974", "A|S|1974|9999|00:00"},
        {"", "2002.txt", "3\tA\tS\t1974\t7", "A|S|1974|9999|00:00"},
        {"", "list2004.txt", "3\tA\tS\t1974\t7\t0:03:10", "A|S|1974|9999|00:00"},
        {"", "2005.txt", "1\tA\tS\t1974\t1\t2\t3\t4\t5\t6\t0:03:10\t9", "A|S|1974|9999|03:10"},
        {"", "2006.txt", "1\tA\tS\t1974\t1\t2\t3\t4\t5\t6\t7\t3:10", "A|S|1974|9999|3:10"},
        {"Belgie", "b.txt", "001    ABBA - Waterloo 1974", "ABBA|Waterloo|1974|9999|00:00"},
        {"Belgie", "b.txt", "002    10cc - Dreadlock 1978", "10cc|Dreadlock|1978|9999|00:00"},
        {"Belgie", "b.txt", "3.      Queen - Bohemian 1975", "Queen|Bohemian|1975|9999|00:00"},
        {"Belgie", "b.txt", "4.     \311dith Piaf - Hymne 1950", "dith Piaf|Hymne|1950|9999|00:00"},
        {"Belgie", "b.txt", "005    Nobody Here 1990", "-"},
        {"Belgie", "b.txt", "006    X - I like 10cc 1990", "-"},
        {"Winamp", "w.m3u", "0001 Artist - Title (3:45)", "Artist|Title|0|9999|03:45"},
        {"Winamp", "w.m3u", "0002 Artist - Title (12:05)", "Artist|Title|0|9999|12:05"},
        {"Winamp", "w.m3u", "0003 Artist - Title (1:02:03)", "Artist|Title|0|9999|02:03"},
        {"Winamp", "w.m3u", "0004 Artist - Title (3:45", "-"},
        {"Winamp Belgie", "w.m3u", "001    ABBA - Waterloo 1974", "ABBA|Waterloo|1974|9999|00:00"},
    };
    for (const auto& [header, name, line, expected] : cases)
        EXPECT_EQ(shown(readAppendLine(line, appendLayoutFor(header, name))), expected) << line;
}

TEST(AppendLayouts, FileReading) {
    test::TempFolder f;
    f.writeFile("list.txt",
                "Winamp\r\nskip\r\nPlaylist files:\r\n0001 A - B (3:45)\r\nnone\r\n"
                "0002 C - D (4:00)\r\n\r\n0003 E - F (1:00)\r\n");
    AppendFile file = readAppendFile(f.folder + "list.txt", "list.txt");
    ASSERT_EQ(file.lines.size(), 3u);  // the empty line ends the list
    EXPECT_EQ(std::tuple(file.opened, file.lines[0]->duration, file.lines[1], file.lines[2]->song),
              std::tuple(true, "03:45", std::nullopt, fitName("D")));
    // A UTF-8 list appends as its Windows-1252 twin; what 1252 lacks is "?".
    f.writeFile("utf8.txt", "No Place\nBeyonc\xC3\xA9\tHalo \xE2\x84\xA6\t2008\n");
    file = readAppendFile(f.folder + "utf8.txt", "utf8.txt");
    ASSERT_EQ(file.lines.size(), 1u);
    EXPECT_EQ(std::tuple(file.lines[0]->artist, file.lines[0]->song, file.replacedCharacters),
              std::tuple(fitName("Beyonc\xE9"), fitName("Halo ?"), 1));
    f.writeFile("dir/x", "");
    EXPECT_FALSE(readAppendFile(f.folder + "dir", "dir").opened);
    // A list this program saved appends nothing to the list it came from.
    SongTable t;
    test::addSong(t, "ABBA", "Waterloo");
    test::addSong(t, "Kinks", "Lola", 1970, 12, "04:01", 5);
    f.writeFile("my.txt",
                formatSongFileHeader(2007) + formatSongLine(t.rows[0]) + formatSongLine(t.rows[1]));
    AppendResult r = appendSongs(t, readAppendFile(f.folder + "my.txt", "my.txt").lines, {});
    EXPECT_EQ(std::tuple(r.linesRead, r.doubles, r.appended), std::tuple(2, 2, 0));
}

using AppendFunction = AppendResult (*)(SongTable&, const std::vector<std::optional<Song>>&,
                                        const AppendQuestion&);
class AppendSongs : public testing::TestWithParam<AppendFunction> {};

std::optional<Song> line(const std::string& artist, const std::string& title) {
    return Song{0, fitName(artist), fitName(title), 1990, kNewSong, "03:00", 7, "NL"};
}

TEST_P(AppendSongs, DoublesQuestionsAndAppendedRows) {
    SongTable t;
    for (const char* title : {"Golden Road", "Golden Sky"})
        test::addSong(t, "Grateful Dead", title);
    test::addSong(t, "Kinks", "Lola");
    std::vector<std::optional<Song>> lines = {line("Kinks", "Lola"), line("KINKS", "lola"),
                                              line("Grateful Dead", "You Are"), std::nullopt};
    for (const char* end : {"Sky", "Day", "Hour", "Age"})
        lines.push_back(line("Grateful Dead", std::string("Golden ") + end));
    // Sky: A at Road, then an exact double; Day: A, S; Hour: Q; Age: not asked.
    using A = LookAlikeAnswer;
    const A answers[] = {A::Accept, A::Accept, A::Skip, A::Quit, A::Accept};
    std::string shown;
    AppendResult r = GetParam()(t, lines, [&](const AppendLookAlike& q) {
        shown += std::to_string(q.linesRead) + q.listed.song.substr(7, 4) +
                 q.candidate.song.substr(7, 4) + (q.asked ? "?" : ".");
        return answers[shown.size() / 10 - 1];
    });
    EXPECT_EQ(shown, "5RoadSky ?6RoadDay ?6Sky Day ?7RoadHour?8RoadAge .");
    EXPECT_EQ(std::tuple(r.linesRead, r.doubles, r.appended, r.reachedMaximum, t.changeCount),
              std::tuple(8, 6, 1, false, 1));
    EXPECT_EQ(test::fieldsOf(t.rows[3]),
              test::fieldsOf(Song{4, fitName("Grateful Dead"), fitName("You Are"), 1990, kNewSong,
                                  "03:00", 0, ""}));
    EXPECT_EQ(test::fieldsOf(t.rows[4]), test::fieldsOf(Song{}));
}

TEST_P(AppendSongs, StopsAtTheMaximum) {
    for (int start : {kAppendMaximum - 2, kAppendMaximum + 1}) {
        SongTable t;
        for (int i = 0; i < start; ++i) test::addSong(t, "Artist " + std::to_string(i), "Same");
        std::vector<std::optional<Song>> lines;
        for (const char* name : {"V", "W", "X", "Y", "Z"}) lines.push_back(line(name, name));
        AppendResult r = GetParam()(t, lines, {});
        const int taken = start < kAppendMaximum ? 2 : 0;
        EXPECT_EQ(
            std::tuple(r.linesRead, r.appended, r.reachedMaximum, t.count, t.rows[t.count].artist),
            std::tuple(std::max(taken, 1), taken, true, start + taken, ""));
    }
}

INSTANTIATE_TEST_SUITE_P(IndexedAndLiteral, AppendSongs,
                         testing::Values(&appendSongs, &appendSongsLiteral));

}  // namespace
}  // namespace hv
