#include <gtest/gtest.h>

#include <filesystem>

#include "database/column_files.h"
#include "database/startup_screen.h"
#include "support/song_lists.h"
#include "support/test_app.h"

namespace hv {

namespace {

// Three songs with CR LF line ends and a byte of the Windows code page.
const std::string kDatabase =
    "2026  Artist                        Song                          Year 2025 Duration Votes\r\n"
    "1\tQueen\tBohemian Rhapsody\t1975\t   1\t05:55\t0\r\n"
    "2\tBe\xe9 Gees\tStayin' Alive\t1977\t9999\t04:45\t0\r\n"
    "3\tQueen\tLove of My Life\t1975\t   0\t03:38\t0\r\n"
    "\r\n";

// By default the import's "Press a Key" takes the space, the main list the q.
int start(test::TestApp& t, const std::vector<std::string>& args, const std::string& keys = " q") {
    t.keys.text(keys);
    return runProgram(t.app, args);
}

// A copy of the folder after a first run: list, settings and column files.
void firstRun(test::TestApp& t) {
    test::TestApp first;
    first.writeFile("mysongs.txt", kDatabase);
    ASSERT_EQ(start(first, {"s"}), 0);
    std::filesystem::copy(first.folder, t.folder, std::filesystem::copy_options::recursive);
}

}  // namespace

TEST(StartUp, ImportOnlyWhenColumnFilesOrSettingsAreMissingOrUneven) {
    // Complete files: q quits unread; else a new import, never a list cut short by a crash.
    const std::string fourSongs =
        kDatabase.substr(0, kDatabase.size() - 2) + "4\tAdele\tHello\t2015\t0\t04:55\t0\r\n\r\n";
    for (const char* damage : {"none", "band.txt", "hitvault.ini", "eleven", "uneven", "zeroed"}) {
        SCOPED_TRACE(damage);
        test::TestApp t;
        firstRun(t);
        t.writeFile("mysongs.txt", fourSongs);
        if (damage[0] == 'e') t.writeFile("hitvault.ini", "other.txt\n2026\n");
        if (damage[0] == 'u') t.writeFile("votes.txt", "0\n0\n");
        for (const char* name : kColumnFileNames)
            if (damage[0] == 'z') t.writeFile(name, "");
        if (damage[0] == 'b' || damage[0] == 'h') t.removeFile(damage);
        EXPECT_EQ(start(t, {"S"}, "qq"), 0);
        bool imported = damage[0] != 'n';
        EXPECT_EQ(t.keys.pending(), imported ? 0u : 1u);
        EXPECT_EQ(t.app.songs.count, imported ? 4 : 3);
        EXPECT_EQ(t.readFile("hitvault.ini"), formatSettings(defaultSettings(2026)));
        EXPECT_EQ(t.readFile("backup.txt"), fourSongs);
    }
}

TEST(StartUp, MissingDatabaseOrFilesThatCannotBeWritten) {
    test::TestApp missing;  // ends after its message
    EXPECT_EQ(start(missing, {"s"}, " "), 0);

    // Column files suffice; a rescue copy is mentioned and kept, unfinished writes go.
    test::TestApp loaded;
    firstRun(loaded);
    loaded.removeFile("mysongs.txt");
    for (const char* name : {"mysongs.txt.save", "a.hvtmpAb12Cd", "b.hvtmp12345"})
        loaded.writeFile(name, "kept");
    EXPECT_EQ(start(loaded, {"s"}, " q"), 0);
    EXPECT_EQ(
        std::tie(loaded.app.songs.count, loaded.app.messageText),
        std::make_tuple(3, "Unsaved changes of an earlier run were kept in mysongs.txt.save"));
    EXPECT_EQ(test::filesOf(loaded, {"mysongs.txt.save", "a.hvtmpAb12Cd", "b.hvtmp12345"}),
              (test::Texts{"kept", "(none)", "kept"}));

    // An unwritable file gives a message, no endless import; the songs stay loaded for F4.
    for (const char* blocked : {"hitvault.ini", "backup.txt", "band.txt"}) {
        test::TestApp u;
        u.writeFile("mysongs.txt", kDatabase);
        std::filesystem::create_directory(u.folder + blocked);
        EXPECT_EQ(start(u, {"s"}, "  q"), 0) << blocked;
        EXPECT_EQ(u.app.messageText, "Could not write " + std::string(blocked) + " ");
        EXPECT_EQ(std::pair(u.app.songs.count, u.app.listLoaded), std::pair(3, true)) << blocked;
    }
}

}  // namespace hv
