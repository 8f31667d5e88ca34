// The list maintenance core: appending, doubles and look-alikes, find and replace.
#include <gtest/gtest.h>

#include "maintenance/append_layouts.h"
#include "maintenance/append_songs.h"
#include "maintenance/double_check.h"
#include "maintenance/double_tests.h"
#include "maintenance/find_replace.h"
#include "support/song_lists.h"

namespace hv {

std::string trim(const std::string& name) {
    return name.substr(0, name.find_last_not_of(' ') + 1);
}

// "artist|title|year|prevRank|duration", names trimmed, or "-" for none.
std::string shown(const std::optional<Song>& s) {
    if (!s) return "-";
    if (s->artist.size() != kNameWidth || s->song.size() != kNameWidth) return "not fitted";
    return trim(s->artist) + "|" + trim(s->song) + "|" + std::to_string(s->year) + "|" +
           std::to_string(s->prevRank) + "|" + s->duration;
}

TEST(AppendLayouts, EachLayoutReadsItsLines) {
    const char* const cases[][4] = {
        // header, file name, line, the candidate
        {"2007", "my.txt", "5\tA\tS\t1974\t12\t0:02:45\t99", "A|S|1974|0|02:45"},
        {"", "top1999.txt", "1\tA\tS\t1974", "A|S|0|9999|00:00"},
        {"No Place", "x.txt", "A\tS\t1974", "A|S|1974|9999|00:00"},
        {"", "2005.txt", "1\tA\tS\t1974\t1\t2\t3\t4\t5\t6\t0:03:10\t9", "A|S|1974|9999|03:10"},
        {"", "2006.txt", "1\tA\tS\t1974\t1\t2\t3\t4\t5\t6\t7\t3:10", "A|S|1974|9999|3:10"},
        {"Belgie", "b.txt", "001    ABBA - Waterloo 1974", "ABBA|Waterloo|1974|9999|00:00"},
        {"Belgie", "b.txt", "002    10cc - Dreadlock 1978", "10cc|Dreadlock|1978|9999|00:00"},
        {"Belgie", "b.txt", "4.     \311dith Piaf - Hymne 1950", "dith Piaf|Hymne|1950|9999|00:00"},
        {"Belgie", "b.txt", "005    Nobody Here 1990", "-"},
        {"Belgie", "b.txt", "006    X - I like 10cc 1990", "-"},
        {"Winamp", "w.m3u", "0001 Artist - Title (3:45)", "Artist|Title|0|9999|03:45"},
        {"Winamp", "w.m3u", "0004 Artist - Title (3:45", "-"},
        {"Winamp Belgie", "w.m3u", "001    ABBA - Waterloo 1974", "ABBA|Waterloo|1974|9999|00:00"},
    };
    for (const auto& [header, name, line, expected] : cases)
        EXPECT_EQ(shown(readAppendLine(line, appendLayoutFor(header, name))), expected) << line;
}

TEST(AppendLayouts, FileReading) {
    test::TempFolder f;
    // UTF-8 reads as its Windows-1252 twin, "?" where 1252 has no character;
    // the empty line ends the list.
    f.writeFile(
        "list.txt",
        "Winamp\r\nskip\r\nPlaylist files:\r\n0001 Beyonc\xC3\xA9 - Halo \xE2\x84\xA6 (3:45)\r\n"
        "none\r\n0002 C - D (4:00)\r\n\r\n0003 E - F (1:00)\r\n");
    AppendFile file = readAppendFile(f.folder + "list.txt", "list.txt");
    ASSERT_EQ(file.lines.size(), 3u);
    EXPECT_EQ(
        std::tuple(file.opened, file.lines[0]->artist, file.lines[0]->song, file.lines[0]->duration,
                   file.lines[1], file.lines[2]->song, file.replacedCharacters),
        std::tuple(true, fitName("Beyonc\xE9"), fitName("Halo ?"), "03:45", std::nullopt,
                   fitName("D"), 1));
}

std::optional<Song> line(const std::string& artist, const std::string& title) {
    return Song{0, fitName(artist), fitName(title), 1990, kNewSong, "03:00", 7, "NL"};
}

TEST(AppendSongs, DoublesQuestionsAndAppendedRows) {
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
    AppendResult r = appendSongs(t, lines, [&](const AppendLookAlike& q) {
        shown += std::to_string(q.linesRead) + q.listed.song.substr(7, 4) +
                 q.candidate.song.substr(7, 4) + (q.asked ? "?" : ".");
        return answers[shown.size() / 10 - 1];
    });
    EXPECT_EQ(shown, "5RoadSky ?6RoadDay ?6Sky Day ?7RoadHour?8RoadAge .");
    EXPECT_EQ(std::tuple(r.linesRead, r.doubles, r.appended, r.reachedMaximum, t.changeCount),
              std::tuple(8, 6, 1, false, 1));
    EXPECT_EQ(std::tuple(t.rows[3].place, t.rows[3].prevRank, t.rows[3].votes, t.rows[3].country),
              std::tuple(4, kNewSong, 0, ""));  // the appended "You Are"
}

TEST(AppendSongs, StopsAtTheMaximum) {
    for (int start : {kAppendMaximum - 2, kAppendMaximum + 1}) {
        SongTable t;
        for (int i = 0; i < start; ++i) test::addSong(t, "Artist " + std::to_string(i), "Same");
        std::vector<std::optional<Song>> lines;
        for (const char* name : {"V", "W", "X", "Y", "Z"}) lines.push_back(line(name, name));
        AppendResult r = appendSongs(t, lines, {});
        const int taken = start < kAppendMaximum ? 2 : 0;
        EXPECT_EQ(
            std::tuple(r.linesRead, r.appended, r.reachedMaximum, t.count, t.rows[t.count].artist),
            std::tuple(std::max(taken, 1), taken, true, start + taken, ""));
    }
}

TEST(DoubleTests, Verdicts) {
    using V = PairVerdict;
    // candidate artist, title; listed artist, title; verdict
    const std::tuple<const char*, const char*, const char*, const char*, V> cases[] = {
        {"Grateful Dead", "Golden Road", "Grateful Dead", "Golden Road", V::Double},
        {"Grateful Dead", "Golden Road", "Grateful Dead", "Golden Sky", V::LookAlike},
        {"Dead Grateful", "Golden Road", "Grateful Dead", "Golden Sky", V::Different},
        {"Grateful Dead", "You and Me", "Grateful Dead", "You Are", V::Different},
        {"Band", "Hey You The", "Band", "Hey Me The", V::LookAlike},  // a final THE counts
        {"Band", "Hey The Night", "Band", "Hey The Day", V::Different},
        {"Al Green", "Love and Happiness", "Al Jarreau", "Love Is Real", V::LookAlike},
        {"The Kinks", "Lola", "The Who", "Lola", V::Different},
        // A double blank ends a name.
        {"Al  Green", "Love and Happiness", "Al Jarreau", "Love Is Real", V::Different},
    };
    for (const auto& [ca, cs, la, ls, verdict] : cases) {
        SongTable t;
        const Song& candidate = test::addSong(t, ca, cs);
        const Song& listed = test::addSong(t, la, ls);
        EXPECT_EQ(comparePairLiteral(candidate, listed), verdict) << cs << " / " << ls;
    }
}

TEST(DoubleCheck, AnswersAndRenumbering) {
    using A = DoubleCheckAnswer;
    // Answers; pairs shown (rows, later title, * if automatic); doubles, left, lines.
    const std::tuple<std::vector<A>, const char*, int, int, int> cases[] = {
        {{A::Remove, A::Keep}, "10-11 Sky,10-11 Day,", 3, 14, 14},
        {{A::Automatic}, "10-11 Sky,10-11 Day*,", 4, 14, 14},
        {{A::Quit}, "10-11 Sky,", 2, 15, 11},
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
        DoubleCheckResult r = doubleCheck(t, events);
        EXPECT_EQ(std::tuple(shown, r.checked, r.doubles, t.count, t.changeCount, checking),
                  std::tuple(std::string(pairs), 15, doubles, left, 15 - left, checkingLines));
        for (int row = 0; row < t.count; ++row) EXPECT_EQ(t.rows[row].place, row + 1);
        EXPECT_EQ(t.rows[t.count].artist, "");
    }
}

TEST(FindReplace, FindsAndRefitsTheField) {
    // artist, title, search, replacement, ignore case; the row after, or "-".
    const std::tuple<const char*, const char*, const char*, const char*, bool, const char*>
        cases[] = {
            {"Blue Oyster", "Blue Moon", "blue", "Red", true, "Red Oyster|Blue Moon"},
            {"Abcdef", "x", "bcd", "WXYZ", false, "AWXYZef|x"},
            {"Sting and Police", "x", "and ", "", false, "Sting Police|x"},
            {"Abcdefghijklmnopqrstuvwxyz123", "x", "ABC", "Longer ", true,
             "Longer defghijklmnopqrstuvwxy|x"},
        };
    for (const auto& [artist, title, search, replacement, ignoreCase, expected] : cases) {
        SongTable t;
        Song& row = test::addSong(t, artist, title);
        std::optional<Replacement> change = findReplacement(row, {search, replacement}, ignoreCase);
        if (change) applyReplacement(row, *change);
        EXPECT_EQ(change ? trim(row.artist) + "|" + trim(row.song) : "-", expected) << artist;
        EXPECT_EQ(row.artist.size() + row.song.size(), 2 * kNameWidth) << artist;
    }
}

TEST(FindReplace, ReplaceFile) {
    test::TempFolder f;
    EXPECT_FALSE(readReplaceFile(f.folder));
    const std::pair<const char*, const char*> files[] = {
        {"Beatles\r\nThe Beatles\r\n", "Beatles|The Beatles"},
        {"An artist name of forty characters long\nx", "An artist name of forty char|x"},
        {"Beyonc\xC3\xA9\n\xE2\x84\xA6", "Beyonc\xE9|?"},
    };
    for (const auto& [text, texts] : files) {
        f.writeFile("replace.ini", text);
        std::optional<ReplaceTexts> read = readReplaceFile(f.folder);
        EXPECT_EQ(read ? read->search + "|" + read->replacement : "(none)", texts);
    }
}

}  // namespace hv
