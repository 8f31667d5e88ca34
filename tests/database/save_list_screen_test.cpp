#include "database/save_list_screen.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "console/main_commands.h"
#include "database/save_list.h"
#include "song_list_fixtures.h"

namespace hv {

// Three changed songs in chart order; the old file and a column file beside them.
struct SaveListScreen : testing::Test {
    test::TestApp t;
    std::string saved;  // the three songs as the file holds them
    SaveListScreen() {
        t.addSong("Queen", "Bohemian Rhapsody", 1975, 3, "05:55", 10);
        t.addSong("ABBA", "Dancing Queen", 1976, 9999, "03:51", 30);
        saved = formatSongList(t.app.songs, 2026);
        t.app.songs.changeCount = 3;
        t.writeFile("mysongs.txt", "old list\n");
        t.writeFile("band.txt", "columns\n");
    }
    // Runs a command key; the exit status, or -1 when the program goes on.
    int run(int key) {
        try {
            runCommandKey(t.app, key);
        } catch (const ProgramExit& e) {
            return e.status;
        }
        return -1;
    }
    test::Texts files() const {
        return test::filesOf(t, {"mysongs.txt", "mysongs.001", "band.txt"});
    }
};

TEST_F(SaveListScreen, F4AsksBeforeAnyBackupAndWritesInRankingOrder) {
    t.writeFile("mysongs.001", "g1");
    t.keys.text("xq");  // only Y, N or Q answer
    run(kKeyF4);
    EXPECT_EQ(files(), (test::Texts{"old list\n", "g1", "columns\n"}));

    // Y sorts on Ranking and writes; the column files are stale then.
    t.app.songs.sortOrder = kSortVotes;
    std::swap(t.app.songs.rows[0], t.app.songs.rows[1]);
    t.keys.text("y");
    run(kKeyF4);
    EXPECT_EQ(test::filesOf(t, {"mysongs.txt", "mysongs.001", "mysongs.002", "band.txt"}),
              (test::Texts{saved, "old list\n", "g1", "(none)"}));

    // As after L with a limit: no changes, yet the longer file is kept as a generation.
    t.writeFile("mysongs.txt", test::numberedList(1932));
    t.keys.text("y");
    run(kKeyF4);
    EXPECT_EQ(t.readFile("mysongs.001"), test::numberedList(1932));
}

TEST_F(SaveListScreen, NewFileNamesAndTheOverwriteQuestion) {
    // An existing name asks first; N asks for a name again, and an empty name is "test".
    t.keys.text("n").line("mylist.txt").line("mysongs").text("xn").line("");
    run(kKeyF4);
    EXPECT_EQ(test::filesOf(t, {"mysongs.txt", "test.txt"}), (test::Texts{"old list\n", saved}));
}

TEST_F(SaveListScreen, QuitAsksOnlyWithChanges) {
    t.keys.text("E");
    EXPECT_EQ(run('Q'), 0);
    EXPECT_EQ(files(), (test::Texts{"old list\n", "(none)", "columns\n"}));
    t.keys.text("y");
    EXPECT_EQ(run('Q'), 0);
    EXPECT_EQ(files(), (test::Texts{saved, "old list\n", "(none)"}));
    EXPECT_EQ(run('Q'), 0);  // no changes: no question
}

TEST_F(SaveListScreen, AListThatCannotBeWrittenIsKept) {
    // A table that never held the file's songs is not saved over them.
    t.app.listLoaded = false;
    t.keys.text("y ");
    run(kKeyF4);
    EXPECT_EQ(std::pair(t.app.messageText, files()),
              std::pair(std::string("List NOT saved: not read from mysongs.txt"),
                        test::Texts{"old list\n", "(none)", "columns\n"}));
    t.app.listLoaded = true;
    // A folder that does not exist: quitting does not end the program.
    t.app.settings.songDatabase = "gone/mysongs.txt";
    t.keys.text("y ");
    EXPECT_EQ(run('Q'), -1);
    EXPECT_EQ(std::pair(t.app.songs.changeCount, files()),
              std::pair(3, test::Texts{"old list\n", "(none)", "columns\n"}));
}

}  // namespace hv
