#include "database/save_list_screen.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
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

TEST_F(SaveListScreen, F4AsksBeforeAnyBackupAndWritesInRankingOrder) {
    // Declined saves leave every generation as it was.
    for (char g : std::string("12345")) t.writeFile(std::string("mysongs.00") + g, {'g', g});
    t.keys.text("xqqqqq");  // only Y, N or Q answer
    for (int i = 0; i < 5; ++i) run(kKeyF4);
    EXPECT_EQ(test::filesOf(t, {"mysongs.001", "mysongs.005", "band.txt"}),
              (test::Texts{"g1", "g5", "columns\n"}));

    // Y sorts on Ranking and writes; the column files are stale then.
    t.app.songs.sortOrder = kSortVotes;
    std::swap(t.app.songs.rows[0], t.app.songs.rows[1]);
    t.keys.text("y");
    run(kKeyF4);
    EXPECT_EQ(test::filesOf(t, {"mysongs.txt", "mysongs.001", "mysongs.002", "band.txt"}),
              (test::Texts{saved, "old list\n", "g1", "(none)"}));
    EXPECT_EQ(t.readFile("hitvault.ini"), formatSettings(t.app.settings));
    EXPECT_EQ(std::tie(t.app.songs.sortOrder, t.app.songs.changeCount),
              std::make_tuple(kSortRanking, 0));
    t.app.songs.changeCount = 1;
    t.keys.text("y");  // the same bytes again make no generation
    run(kKeyF4);
    EXPECT_EQ(t.readFile("mysongs.001"), "old list\n");

    // No "." in the name: no backup, said after the answer, and the save goes on.
    t.writeFile("mylist", "plain\n");
    t.app.settings.songDatabase = "mylist";
    t.keys.text("y ");
    run(kKeyF4);
    EXPECT_EQ(std::pair(t.app.messageText, t.readFile("mylist")),
              std::pair(std::string("Could not make Backup "), saved));
    EXPECT_EQ(t.keys.pending(), 0u);
}

TEST_F(SaveListScreen, AShorterListKeepsTheLongerFileAsItsGeneration) {
    // As after L with a limit: no changes, yet the file loses songs.
    t.app.songs.count = 0;
    for (int i = 1; i <= 100; ++i) t.addSong("Artist " + std::to_string(i), "Song");
    t.app.songs.changeCount = 0;
    t.writeFile("mysongs.txt", test::numberedList(1932));
    t.keys.text("y");
    run(kKeyF4);
    EXPECT_EQ(t.readFile("mysongs.001"), test::numberedList(1932));
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
    // An existing file overwritten keeps its generation.
    t.app.songs.rows[0].votes = 99;
    t.keys.text("n").line("top").text("Y");
    run(kKeyF4);
    EXPECT_NE(t.readFile("top.txt").find("\t99\n"), std::string::npos);
    EXPECT_EQ(t.readFile("top.001"), saved);

    // A long answer stays inside the frame, and its refusal goes with the next answer.
    t.keys.text("n").line(std::string(60, 'x')).line("mysongs");
    EXPECT_THROW(run(kKeyF4), ScriptExhausted);  // at the overwrite question
    const std::string frame = t.row(6).substr(60, 1);
    auto inFrame = [&](std::string text) {
        text.resize(38, ' ');
        return text + frame;
    };
    std::vector<std::string> rows;
    for (int r = 11; r <= 17; ++r) rows.push_back(t.row(r).substr(22, 39));
    EXPECT_EQ(rows, (std::vector{inFrame("Filename mysongs"), inFrame(""),
                                 inFrame("File already exists"), inFrame(""),
                                 inFrame("Overwrite ?"), inFrame(""), inFrame("(Y)es  (N)o")}));
}

TEST_F(SaveListScreen, QuitAsksOnlyWithChanges) {
    t.app.songs.sortOrder = kSortArtist;
    t.keys.text("E");
    EXPECT_EQ(run('Q'), 0);
    EXPECT_EQ(files(), (test::Texts{"old list\n", "(none)", "columns\n"}));
    EXPECT_EQ(t.app.songs.sortOrder, kSortRanking);
    t.keys.text("y");
    EXPECT_EQ(run('Q'), 0);
    EXPECT_EQ(files(), (test::Texts{saved, "old list\n", "(none)"}));
    putTextAt(t.app.screen, 3, 3, "the list");
    EXPECT_EQ(run('Q'), 0);  // no changes: no question, and a clean screen
    EXPECT_EQ(t.screen().find_first_not_of(" \n"), std::string::npos);
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

// The superuser writes into any folder; another user meets its write bits.
struct AsAnotherUser {
    const bool switched = ::geteuid() == 0 && ::seteuid(65534) == 0;
    bool ok() const { return switched || ::geteuid() != 0; }
    ~AsAnotherUser() {
        if (switched && ::seteuid(0) != 0) std::abort();
    }
};

TEST_F(SaveListScreen, AFolderThatTakesNoNewFileGetsItsListRewrittenInPlace) {
    namespace fs = std::filesystem;
    fs::permissions(t.folder, fs::perms::all);
    t.app.settings.songDatabase = "locked/mysongs.txt";
    for (std::string generations : {"12345", ""}) {
        t.writeFile("locked/mysongs.txt", "old list\n");
        for (char g : generations) t.writeFile(std::string("locked/mysongs.00") + g, {'g', g});
        // Files anyone may write, in a folder only the superuser may.
        for (const auto& file : fs::directory_iterator(t.folder + "locked"))
            fs::permissions(file.path(), fs::perms{0666});
        fs::permissions(t.folder + "locked", fs::perms{0555});
        t.keys.text(generations.empty() ? "y  " : "y ");  // "Could not make Backup " too
        {
            AsAnotherUser user;
            if (!user.ok()) GTEST_SKIP() << "no user without the folder's write bit";
            run(kKeyF4);
        }
        EXPECT_EQ(test::filesOf(t, {"locked/mysongs.txt", "locked/mysongs.001",
                                    "locked/mysongs.005", "band.txt"}),
                  (generations.empty() ? test::Texts{saved, "(none)", "(none)", "(none)"}
                                       : test::Texts{saved, "old list\n", "g4", "(none)"}));
        EXPECT_EQ(std::pair(t.app.messageText, t.keys.pending()),
                  std::pair(std::string("Saved in place, not atomically "), size_t{0}));
        fs::permissions(t.folder + "locked", fs::perms::all);
        fs::remove_all(t.folder + "locked");
    }
}

}  // namespace hv
