#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "database/column_files.h"
#include "database/import_screen.h"
#include "database/song_file.h"
#include "song_list_fixtures.h"

namespace hv {
namespace {

using test::genericLine;
using test::kHeader2007;

std::string at(const test::TestApp& t, int row, int col, size_t length) {
    return t.row(row).substr(col, length);
}

bool runImport(test::TestApp& t, const std::string& name, int keys = 1) {
    t.app.settings.songDatabase = name;
    for (int i = 0; i < keys; ++i) t.keys.text("x");
    return importDatabase(t.app, ImportCaller::Menu);
}

TEST(Import, GenericListFillsTableColumnFilesAndScreen) {
    test::TestApp t;
    t.app.songs.changeCount = 4;
    t.app.songs.sortOrder = kSortVotes;
    t.app.links.artists = {LinkEntry{"key", "link"}};
    t.writeFile("mysongs.txt", kHeader2007 +
                                   genericLine(5, "Queen", "Innuendo", 1991, 12, "0:06:31", 3) +
                                   genericLine(9, "Abba", "Waterloo", 1974, 0, "2:45") +
                                   genericLine(2, "Queen", "Bicycle Race", 1978) + "\n" +
                                   genericLine(10, "Never", "Read"));
    ASSERT_TRUE(runImport(t, "mysongs.txt"));
    const SongTable& s = t.app.songs;
    ASSERT_EQ(s.count, 3);
    EXPECT_EQ(s.rows[0].place, 5);
    EXPECT_EQ(s.rows[3].prevRank, kNoPreviousPlace);  // rows behind the list are reset
    // The change count, the order and the link tables are left alone.
    EXPECT_EQ(std::tie(s.changeCount, s.sortOrder), std::make_tuple(4, kSortVotes));
    EXPECT_EQ(t.app.links.artists.size(), 1u);

    // No progress line (row 9) for this layout.
    EXPECT_TRUE(shows(t, {{0, 10, "Import Songs"},
                          {1, 10, "============"},
                          {9, 0, std::string(80, ' ')},
                          {10, 10, "Imported    3 Songs"},
                          {11, 10, "Imported    2 Bands"},
                          {13, 10, "Press a Key..."}}));
    // rating.txt holds list positions, not places.
    EXPECT_EQ(test::filesOf(t, {"rating.txt", "py.txt", "time.txt", "votes.txt"}),
              (test::Texts{"1\n2\n3\n", "12\n0\n9999\n", "06:31\n2:45\n03:30\n", "3\n0\n0\n"}));
    EXPECT_EQ(t.readFile("band.txt"),
              fitName("Queen") + "\n" + fitName("Abba") + "\n" + fitName("Queen") + "\n");
    EXPECT_EQ(t.readFile("hitvault.ini").substr(0, 17), "mysongs.txt\n2007\n");
}

TEST(Import, FilePromptYearListsAndHeaderYears) {
    test::TestApp t;
    t.writeFile("list2005.txt", "Artist Song\n1\tA\tB\t1990\t17\t6\t7\t8\t9\t10\t0:03:09\n");
    t.keys.line("nosuch").line("list2005").text("x");  // ".txt" is tried too
    importWithFilePrompt(t.app);
    EXPECT_EQ(t.app.settings.songDatabase, "list2005.txt");
    EXPECT_EQ(t.app.songs.rows[0].duration, "03:09");  // the 2005 layout
    EXPECT_EQ(at(t, 9, 10, 3), "17 ");                 // its progress line
    EXPECT_EQ(t.readFile("hitvault.ini").substr(0, 18), "list2005.txt\n2005\n");

    t.writeFile("list.txt", "no year here\n1\tA\tB\n");
    ASSERT_TRUE(runImport(t, "list.txt"));
    EXPECT_EQ(t.app.settings.chartYear, 2026);
    // An empty first song line ends the list at once.
    t.writeFile("first-empty.txt", kHeader2007 + "\n" + genericLine(1, "A", "B"));
    ASSERT_TRUE(runImport(t, "first-empty.txt"));
    EXPECT_EQ(t.app.songs.count, 0);
    EXPECT_EQ(at(t, 10, 10, 19), "Imported    0 Songs");

    t.keys.line("nosuch");
    EXPECT_THROW(importWithFilePrompt(t.app), ScriptExhausted);
    EXPECT_EQ(at(t, 8, 20, 15), "File to Import ");
    EXPECT_EQ(at(t, 11, 20, 38), "File nosuch nor nosuch.txt present... ");

    test::TestApp u;  // an empty answer means "2006.txt"
    u.writeFile("2006.txt", "h\n1\tA\tB\t1990\t5\t6\t7\t8\t9\t10\t42\t0:04:01\n");
    u.keys.line("").text("x");
    importWithFilePrompt(u.app);
    EXPECT_EQ(u.app.settings.songDatabase, "2006.txt");
    EXPECT_EQ(u.app.songs.rows[0].prevRank, 42);
}

TEST(Import, LimitStopsSilentlyAndStaysForLaterImports) {
    test::TestApp t;
    t.writeFile("big.txt", test::numberedList(500));
    t.app.settings.songDatabase = "big.txt";
    t.keys.line("0").line("abc").line("10011").line("100").text("x");
    importWithLimitPrompt(t.app);
    EXPECT_EQ(t.app.importLimit, 100);
    EXPECT_EQ(t.app.songs.count, 100);
    EXPECT_EQ(t.row(20), std::string(80, ' '));

    t.keys.line("big.txt").text("x");
    importWithFilePrompt(t.app);
    EXPECT_EQ(t.app.songs.count, 100);

    t.keys.line("").text("x");
    importWithLimitPrompt(t.app);
    EXPECT_EQ(t.app.importLimit, kDefaultImportLimit);
    EXPECT_EQ(t.app.songs.count, 500);

    t.keys.line("0");  // a refused answer clears the box and asks again
    EXPECT_THROW(importWithLimitPrompt(t.app), ScriptExhausted);
    EXPECT_EQ(at(t, 10, 22, 33), "Type Max. No. Songs to Import    ");
}

TEST(Import, TableStopsAt10008WithMessage) {
    test::TestApp t;
    t.app.importLimit = kSongCapacity;
    for (int n : {10008, 10009}) {
        t.writeFile("full.txt", test::numberedList(n));
        ASSERT_TRUE(runImport(t, "full.txt", 2)) << n;
        EXPECT_EQ(t.app.songs.count, 10008) << n;
        EXPECT_EQ(at(t, 20, 10, 31), "Maximum reached of 10010 Songs.") << n;
        EXPECT_EQ(at(t, 21, 10, 31), "Rest discarded.... Press a Key.") << n;
    }
}

TEST(Import, CrLfOverLongLinesAndA35CharacterArtist) {
    test::TestApp t;
    const std::string longTitle(400, 't');
    t.writeFile("mysongs.txt", "2001 header\r\n1\tA\t" + longTitle + "\t1999\t3\t0:04:12\t7\r\n" +
                                   "2\tB\tC\t2000\t4\t3:58\t8\r\n" + "x\r\n" +
                                   "3\tD\tE\t2001\t5\t1:00\t9\r\n");
    ASSERT_TRUE(runImport(t, "mysongs.txt"));
    ASSERT_EQ(t.app.songs.count, 2);  // "x" and CR LF count 2 characters: the list ends
    EXPECT_EQ(t.app.settings.chartYear, 2001);
    EXPECT_EQ(t.app.songs.rows[0].song, longTitle.substr(0, 29));
    EXPECT_EQ(t.app.songs.rows[0].votes, 7);
    EXPECT_EQ(t.readFile("time.txt"), "04:12\n3:58\n");

    // A long artist is cut to 29 and saved so in the generic layout.
    const std::string artist = "The Quite Extraordinarily Long Band";
    t.writeFile("mysongs.txt",
                kHeader2007 + genericLine(1, artist, "Title", 1999, 0, "0:04:12", 5) + "\n");
    ASSERT_TRUE(runImport(t, "mysongs.txt"));
    EXPECT_EQ(formatSongFileHeader(2007), kHeader2007);
    std::string saved = formatSongLine(t.app.songs.rows[0]);
    EXPECT_EQ(saved,
              "1\t" + artist.substr(0, 29) + "\t" + fitName("Title") + "\t1999\t   0\t04:12\t5\n");
    t.writeFile("mysongs.txt", kHeader2007 + saved + "\n");
    ASSERT_TRUE(runImport(t, "mysongs.txt"));
    EXPECT_EQ(formatSongLine(t.app.songs.rows[0]), saved);
}

TEST(Import, FailuresAndMissingFilesLeaveTheTableAsItWas) {
    test::TestApp t;
    t.addSong("Kept Artist", "Kept Song");
    t.writeFile("mysongs.txt", kHeader2007 + genericLine(1, "New", "Song") + "\n");
    auto unchanged = [&] {
        EXPECT_EQ(t.app.songs.count, 1);
        EXPECT_EQ(t.app.songs.rows[0].artist, fitName("Kept Artist"));
        EXPECT_EQ(t.app.settings.chartYear, 2026);
        EXPECT_EQ(t.keys.pending(), 0u);  // the message box took its key
    };
    std::filesystem::create_directory(t.folder + "band.txt");
    ASSERT_FALSE(runImport(t, "mysongs.txt"));
    EXPECT_EQ(t.app.messageText, "Could not write band.txt ");
    EXPECT_FALSE(t.exists("hitvault.ini"));
    unchanged();
    std::filesystem::remove(t.folder + "band.txt");

    std::filesystem::create_directory(t.folder + "hitvault.ini");
    ASSERT_FALSE(runImport(t, "mysongs.txt"));
    EXPECT_EQ(t.app.messageText, "Could not write hitvault.ini ");
    EXPECT_FALSE(t.exists("band.txt"));  // so the next start imports
    unchanged();
    // A failed import chosen with I keeps the old database name.
    t.app.settings.songDatabase = "old.txt";
    t.keys.line("mysongs").text("x");
    importWithFilePrompt(t.app);
    EXPECT_EQ(t.app.settings.songDatabase, "old.txt");
    unchanged();

    // A missing file abandons an import from the list but ends a start-up.
    EXPECT_FALSE(runImport(t, "gone.txt"));
    EXPECT_EQ(at(t, 3, 10, 37), "Obliged file gone.txt not present....");
    unchanged();
    t.keys.text("x");
    try {
        importDatabase(t.app, ImportCaller::StartUp);
        ADD_FAILURE() << "a start-up import of a missing file must end the program";
    } catch (const ProgramExit& e) {
        EXPECT_EQ(e.status, 0);
    }
}

TEST(Import, RealPlaylistImportsAndLoadsBack) {
    test::TestApp t;
    std::filesystem::copy_file(test::sourcePath("tests/database/data/top2000.txt"),
                               t.folder + "top.txt");
    ASSERT_TRUE(runImport(t, "top.txt"));
    const SongTable& s = t.app.songs;
    ASSERT_EQ(s.count, 1994);
    EXPECT_EQ(at(t, 11, 10, 19), "Imported  732 Bands");
    EXPECT_EQ(s.rows[0].artist, fitName("Tones and I"));
    EXPECT_EQ(s.rows[0].duration, "03:29");
    EXPECT_EQ(s.rows[1543].artist, fitName("Herbert Gr\xf6nemeyer"));
    EXPECT_EQ(s.rows[1993].artist, fitName(""));  // the line with only a title
    EXPECT_EQ(std::count_if(s.rows.begin(), s.rows.begin() + s.count,
                            [](const Song& song) { return song.artist == fitName("Queen"); }),
              37);

    // Loaded back from the column files, the places become list positions.
    std::vector<Song> imported(s.rows.begin(), s.rows.begin() + s.count);
    t.app.songs = SongTable{};
    ASSERT_TRUE(loadTable(t.folder, t.app.songs, t.app.links));
    ASSERT_EQ(t.app.songs.count, 1994);
    for (int r = 0; r < 1994; ++r) {
        imported[r].place = r + 1;
        ASSERT_EQ(test::fieldsOf(t.app.songs.rows[r]), test::fieldsOf(imported[r])) << r;
    }
}

}  // namespace
}  // namespace hv
