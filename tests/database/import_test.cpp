#include "database/import.h"

#include <gtest/gtest.h>

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

TEST(Import, ColumnFilesHoldPositionsAndShortTimes) {
    test::TempFolder f;
    SongTable imported;
    Settings settings = defaultSettings(2026);
    f.writeFile("mysongs.txt", kHeader2007 +
                                   genericLine(5, "Queen", "Innuendo", 1991, 12, "0:06:31", 3) +
                                   genericLine(9, "Abba", "Waterloo", 1974, 0, "2:45") + "\n");
    SongFileContents list = readList(f, "mysongs.txt");
    ASSERT_TRUE(
        storeImportedList(f.folder, list, settings, imported, OnWriteFailure::KeepOldList).stored);
    // rating.txt holds list positions, not places.
    EXPECT_EQ(test::filesOf(f, {"rating.txt", "py.txt", "time.txt", "votes.txt"}),
              (test::Texts{"1\n2\n", "12\n0\n", "06:31\n2:45\n", "3\n0\n"}));
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

}  // namespace
}  // namespace hv
