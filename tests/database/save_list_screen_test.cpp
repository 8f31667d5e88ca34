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
        t.addSong("Eagles", "Hotel California", 1977, 0, "06:30", 20);
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

TEST_F(SaveListScreen, F4RotatesAsksAndWritesInRankingOrder) {
    t.keys.text("xq");  // only Y, N or Q answer
    run(kKeyF4);
    EXPECT_EQ(files(), (test::Texts{"old list\n", "old list\n", "columns\n"}));
    t.removeFile("mysongs.001");
    EXPECT_THROW(run(kKeyF4), ScriptExhausted);
    EXPECT_TRUE(t.exists("mysongs.001")) << "rotated before the question";

    // Y sorts on Ranking and writes; the column files are stale then.
    t.app.songs.sortOrder = kSortVotes;
    std::swap(t.app.songs.rows[0], t.app.songs.rows[1]);
    t.keys.text("y");
    run(kKeyF4);
    EXPECT_EQ(files(), (test::Texts{saved, "old list\n", "(none)"}));
    EXPECT_EQ(t.readFile("hitvault.ini"), formatSettings(t.app.settings));
    EXPECT_EQ(std::tie(t.app.songs.sortOrder, t.app.songs.changeCount),
              std::make_tuple(kSortRanking, 0));
    t.keys.text("y");  // without changes there is no rotation
    run(kKeyF4);
    EXPECT_EQ(t.readFile("mysongs.001"), "old list\n");

    t.app.settings.songDatabase = "mylist";  // no "." in the name: no backups
    t.app.songs.changeCount = 1;
    t.keys.text(" q");
    run(kKeyF4);
    EXPECT_EQ(t.app.messageText, "Could not make Backup ");
    EXPECT_EQ(t.keys.pending(), 0u);
}

TEST_F(SaveListScreen, NewFileNamesAndTheOverwriteQuestion) {
    t.keys.text("n").line("mylist.txt").line("abcdefghi").line("top");
    run(kKeyF4);
    EXPECT_EQ(t.app.settings.songDatabase, "top.txt");
    EXPECT_EQ(test::filesOf(t, {"top.txt", "mysongs.txt"}), (test::Texts{saved, "old list\n"}));
    EXPECT_EQ(t.readFile("hitvault.ini").substr(0, 8), "top.txt\n");

    // An existing name asks first; N asks for a name again, and an empty name is "test".
    t.keys.text("n").line("mysongs").text("xn").line("");
    run(kKeyF4);
    EXPECT_EQ(test::filesOf(t, {"mysongs.txt", "test.txt"}), (test::Texts{"old list\n", saved}));
    t.app.songs.rows[0].votes = 99;
    t.keys.text("n").line("top").text("Y");
    run(kKeyF4);
    EXPECT_NE(t.readFile("top.txt").find("\t99\n"), std::string::npos);
}

TEST_F(SaveListScreen, QuitAsksOnlyWithChanges) {
    t.app.songs.sortOrder = kSortArtist;
    t.keys.text("E");
    EXPECT_EQ(run('Q'), 0);
    EXPECT_EQ(files(), (test::Texts{"old list\n", "old list\n", "columns\n"}));
    EXPECT_EQ(t.app.songs.sortOrder, kSortRanking);
    t.keys.text("y");
    EXPECT_EQ(run('Q'), 0);
    EXPECT_EQ(files(), (test::Texts{saved, "old list\n", "(none)"}));
    putTextAt(t.app.screen, 3, 3, "the list");
    EXPECT_EQ(run('Q'), 0);  // no changes: no question, and a clean screen
    EXPECT_EQ(t.screen().find_first_not_of(" \n"), std::string::npos);
}

TEST_F(SaveListScreen, AListThatCannotBeWrittenIsKept) {
    // The new name is a folder: the message, and the old name back.
    std::filesystem::create_directory(t.folder + "top.txt");
    t.keys.text("n").line("top").text(" ");
    run(kKeyF4);
    EXPECT_EQ(
        std::pair(t.app.messageText, t.app.settings.songDatabase),
        std::pair(std::string("List NOT saved: cannot write top.txt"), std::string("mysongs.txt")));
    EXPECT_FALSE(t.exists("hitvault.ini"));
    // A folder that does not exist: quitting does not end the program.
    t.app.settings.songDatabase = "gone/mysongs.txt";
    t.keys.text("y ");
    EXPECT_EQ(run('Q'), -1);
    EXPECT_EQ(t.readFile("mysongs.txt"), "old list\n");
    EXPECT_EQ(std::pair(t.app.songs.changeCount, t.readFile("band.txt")),
              std::pair(3, std::string("columns\n")));
    EXPECT_EQ(t.keys.pending(), 0u);
}

}  // namespace hv
