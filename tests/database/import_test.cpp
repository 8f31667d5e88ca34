#include "database/import.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "database/column_files.h"
#include "support/song_lists.h"

namespace hv {
namespace {

using test::genericLine;
using test::kHeader2007;

// The list file of the folder as an import reads it.
SongFileContents readList(const test::TempFolder& f, const std::string& name) {
    return readSongFile(f.folder + name, name, 2026, kDefaultImportLimit);
}

TEST(Import, SettingsAndColumnFilesFirstThenTheTable) {
    test::TempFolder f;
    f.writeFile("mysongs.txt", kHeader2007 +
                                   genericLine(5, "Queen", "Innuendo", 1991, 12, "0:06:31", 3) +
                                   genericLine(9, "Abba", "Waterloo", 1974, 0, "2:45") +
                                   genericLine(2, "Queen", "Bicycle Race", 1978) + "\n");
    f.writeFile("country.txt", fitName("Abba") + "SE\n");
    SongFileContents list = readList(f, "mysongs.txt");
    Settings settings = defaultSettings(2026);
    SongTable table;
    table.changeCount = 4;
    table.sortOrder = kSortVotes;
    StoredList stored =
        storeImportedList(f.folder, list, settings, table, OnWriteFailure::KeepOldList);
    ASSERT_TRUE(stored.stored);
    EXPECT_EQ(stored.bands, 2);
    ASSERT_EQ(table.count, 3);
    EXPECT_EQ(table.rows[1].country, "SE");
    EXPECT_EQ(table.rows[3].prevRank, kNoPreviousPlace);  // rows behind the list are reset
    EXPECT_EQ(std::tie(table.changeCount, table.sortOrder), std::make_tuple(4, kSortVotes));
    EXPECT_EQ(settings.chartYear, 2007);
    EXPECT_EQ(f.readFile("hitvault.ini"), formatSettings(settings));
    // rating.txt holds list positions, not places.
    EXPECT_EQ(test::filesOf(f, {"rating.txt", "py.txt", "time.txt", "votes.txt"}),
              (test::Texts{"1\n2\n3\n", "12\n0\n9999\n", "06:31\n2:45\n03:30\n", "3\n0\n0\n"}));
    EXPECT_EQ(f.readFile("band.txt"),
              fitName("Queen") + "\n" + fitName("Abba") + "\n" + fitName("Queen") + "\n");
}

TEST(Import, AFileThatCannotBeWrittenChangesNothing) {
    for (const char* blocked : {"band.txt", "hitvault.ini"}) {
        SCOPED_TRACE(blocked);
        test::TempFolder f;
        f.writeFile("mysongs.txt", kHeader2007 + genericLine(1, "New", "Song") + "\n");
        std::filesystem::create_directory(f.folder + blocked);
        SongFileContents list = readList(f, "mysongs.txt");
        Settings settings = defaultSettings(2026);
        SongTable table;
        test::addSong(table, "Kept Artist", "Kept Song");
        StoredList stored =
            storeImportedList(f.folder, list, settings, table, OnWriteFailure::KeepOldList);
        EXPECT_FALSE(stored.stored);
        EXPECT_EQ(stored.failedFile, blocked);
        EXPECT_EQ(std::tie(table.count, table.rows[0].artist),
                  std::make_tuple(1, fitName("Kept Artist")));
        EXPECT_EQ(settings.chartYear, 2026);
        // No complete column file set is left, so the next start imports.
        SongTable loaded;
        LinkTables links;
        EXPECT_FALSE(loadTable(f.folder, loaded, links));
    }
}

TEST(Import, AStopAfterAnyWriteLeavesColumnFilesOfTheListTheSettingsName) {
    for (int stopAfter = 1; stopAfter <= 8; ++stopAfter) {
        test::TempFolder f;
        Settings settings = defaultSettings(2026);
        SongTable table;
        int written = 0;
        for (const char* name : {"old.txt", "new.txt"}) {
            f.writeFile(name, kHeader2007 + genericLine(1, name, "Song") + "\n");
            settings.songDatabase = name;
            SongFileContents list = readList(f, name);
            try {
                storeImportedList(f.folder, list, settings, table, OnWriteFailure::KeepOldList,
                                  [&](const std::string&) {
                                      if (name[0] == 'n' && ++written == stopAfter) throw 0;
                                  });
            } catch (int) {
            }
        }
        // The next start loads these, or else imports the file the settings name.
        std::optional<Settings> next = readSettings(f.folder);
        SongTable loaded;
        LinkTables links;
        if (loadTable(f.folder, loaded, links)) {
            EXPECT_EQ(loaded.rows[0].artist, fitName(next.value().songDatabase)) << stopAfter;
        }
    }
}

TEST(Import, ColumnFilesLoadBackWithPositionsForPlaces) {
    test::TempFolder f;
    std::filesystem::copy_file(test::sourcePath("tests/database/data/top2000.txt"),
                               f.folder + "top.txt");
    f.writeFile("songurl.txt", fitName("Waterloo") + "http://x\n");
    f.writeFile("country.txt", fitName("Tones and I") + "AU\n");
    SongFileContents list = readList(f, "top.txt");
    Settings settings = defaultSettings(2026);
    SongTable imported;
    StoredList stored =
        storeImportedList(f.folder, list, settings, imported, OnWriteFailure::KeepOldList);
    ASSERT_TRUE(stored.stored);
    EXPECT_EQ(stored.bands, 732);
    EXPECT_EQ(imported.rows[1543].artist, fitName("Herbert Gr\xf6nemeyer"));
    SongTable loaded;
    LinkTables links;
    ASSERT_TRUE(loadTable(f.folder, loaded, links));
    ASSERT_EQ(loaded.count, 1994);
    for (int r = 0; r < 1994; ++r) {
        imported.rows[r].place = r + 1;
        ASSERT_EQ(test::fieldsOf(loaded.rows[r]), test::fieldsOf(imported.rows[r])) << r;
    }
    EXPECT_EQ(loaded.rows[0].country, "AU");
    EXPECT_EQ(links.songs.size(), 1u);

    // Column files written with CR LF read the same, and a name's own CR
    // stays.
    f.writeFile("band.txt", fitName("Abba") + "\r\n" + std::string(28, 'a') + "\r\r\n");
    f.writeFile("song.txt", "S\r\nT\r\n");
    for (const char* number : {"count.txt", "rating.txt", "py.txt", "votes.txt"})
        f.writeFile(number, "1\r\n2\r\n");
    f.writeFile("time.txt", "03:29\r\n03:3\r\r\n");
    ASSERT_TRUE(loadTable(f.folder, loaded, links));
    EXPECT_EQ(std::tie(loaded.count, loaded.rows[0].artist, loaded.rows[0].duration,
                       loaded.rows[1].artist, loaded.rows[1].duration),
              std::make_tuple(2, fitName("Abba"), "03:29", std::string(28, 'a') + "\r", "03:3\r"));
    // Files of different lengths (a crash between their writes) or one
    // missing file are no table, whichever file is longer.
    for (const char* longer : {"band.txt", "votes.txt"}) {
        f.writeFile(longer, f.readFile(longer) + "3\n");
        EXPECT_FALSE(loadTable(f.folder, loaded, links)) << longer;
        EXPECT_EQ(loaded.count, 0);
    }
    f.removeFile("votes.txt");
    EXPECT_FALSE(loadTable(f.folder, loaded, links));
    EXPECT_EQ(loaded.count, 0);
}

TEST(Import, BandsCountAFieldContainingAnEarlierOneAsSeen) {
    SongTable t;
    for (const char* artist : {"Queen", "Abba", "Queen + Paul Rodgers"})
        test::addSong(t, artist, "Song").artist = artist;  // not held at the common width
    EXPECT_EQ(countBands(t), 2);
}

}  // namespace
}  // namespace hv
