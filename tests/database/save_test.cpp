#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <random>
#include <string>

#include "console/main_commands.h"
#include "database/backups.h"
#include "database/import_screen.h"
#include "database/save_list_screen.h"
#include "song_list_fixtures.h"

namespace hv {

namespace {

const std::string kHeader2026 =
    "2026  Artist                        Song                          Year 2025 Duration Votes\n";
const std::string kThreeSongsFile =
    kHeader2026 +
    "1\tQueen                        \tBohemian Rhapsody            \t1975\t   3\t05:55\t10\n"
    "2\tABBA                         \tDancing Queen                \t1976\t9999\t03:51\t30\n"
    "3\tEagles                       \tHotel California             \t1977\t   0\t06:30\t20\n\n";

bool leftoverFiles(const std::string& folder) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.path().filename().string().find(".hvtmp") != std::string::npos) return true;
    return false;
}

}  // namespace

// Three songs in chart order, the old file and the column file of the last
// import beside them.
struct SaveList : testing::Test {
    test::TestApp t;
    SaveList() {
        t.addSong("Queen", "Bohemian Rhapsody", 1975, 3, "05:55", 10);
        t.addSong("ABBA", "Dancing Queen", 1976, 9999, "03:51", 30);
        t.addSong("Eagles", "Hotel California", 1977, 0, "06:30", 20);
        t.writeFile("mysongs.txt", "old list\n");
        t.writeFile("band.txt", "columns\n");
    }
    // Runs Q and returns the exit status, or -1 when the program goes on.
    int quit() {
        try {
            runCommandKey(t.app, 'Q');
        } catch (const ProgramExit& e) {
            return e.status;
        }
        return -1;
    }
    // The list file and its first n backups.
    test::Texts generations(int n) const {
        std::vector<std::string> names = {"mysongs.txt"};
        for (int i = 1; i <= n; ++i) names.push_back("mysongs.00" + std::to_string(i));
        return test::filesOf(t, names);
    }
};

TEST_F(SaveList, F4RotatesBeforeAskingAndQuitKeepsTheChanges) {
    t.writeFile("mysongs.001", "generation 1");
    t.writeFile("mysongs.002", "generation 2");
    t.writeFile("mysongs.004", "generation 4");
    t.app.songs.changeCount = 3;
    std::string before = t.screen();

    t.keys.text("xq");
    ASSERT_TRUE(runCommandKey(t.app, kKeyF4));
    // .004 had no .003 to follow it, so it is left as it was.
    EXPECT_EQ(generations(5), (test::Texts{"old list\n", "old list\n", "generation 1",
                                           "generation 2", "generation 4", "generation 4"}));
    EXPECT_EQ(t.app.songs.changeCount, 3);
    EXPECT_TRUE(t.exists("band.txt"));
    EXPECT_EQ(t.screen(), before);

    EXPECT_THROW(saveList(t.app), ScriptExhausted);
    EXPECT_TRUE(shows(
        t, {{7, 22, "Save Changes to mysongs.txt ? "}, {9, 22, "(Y)es  (N)ew File  (Q)uit "}}));
    EXPECT_EQ(t.readFile("mysongs.002"), "old list\n") << "rotated again before the question";
}

TEST_F(SaveList, YesWritesTheListInRankingOrder) {
    t.app.songs.sortOrder = kSortVotes;
    t.keys.text("Y");
    saveList(t.app);
    // No changes, no rotation; the column files are stale now.
    EXPECT_EQ(test::filesOf(t, {"mysongs.txt", "mysongs.001", "band.txt"}),
              (test::Texts{kThreeSongsFile, "(none)", "(none)"}));
    EXPECT_EQ(t.readFile("hitvault.ini").substr(0, 17), "mysongs.txt\n2026\n");
    EXPECT_EQ(t.app.songs.sortOrder, kSortRanking);
    EXPECT_EQ(t.app.songs.rows[0].votes, 10) << "the list stays in ranking order";

    // Sorted on Votes with changes: saved in ranking order all the same.
    t.app.songs.sortOrder = kSortVotes;
    t.app.songs.changeCount = 5;
    std::swap(t.app.songs.rows[0], t.app.songs.rows[1]);
    t.keys.text("y");
    saveList(t.app);
    EXPECT_EQ(generations(1), (test::Texts{kThreeSongsFile, kThreeSongsFile}));
    EXPECT_EQ(t.app.songs.changeCount, 0);

    // An empty list: the header and the closing empty line.
    t.app.songs.count = 0;
    t.keys.text("y");
    saveList(t.app);
    EXPECT_EQ(t.readFile("mysongs.txt"), kHeader2026 + "\n");
}

TEST_F(SaveList, NewFileNamesAndTheOverwriteQuestion) {
    t.app.songs.changeCount = 1;
    t.keys.text("n").line("mylist.txt");
    EXPECT_THROW(saveList(t.app), ScriptExhausted);
    EXPECT_TRUE(shows(t, {{11, 22, "Filename "}, {14, 22, "Invalid Name... "}}));

    t.keys.text("n").line("mylist.txt").line("abcdefghi").line("top");
    saveList(t.app);
    EXPECT_EQ(t.app.settings.songDatabase, "top.txt");
    EXPECT_EQ(test::filesOf(t, {"top.txt", "mysongs.txt"}),
              (test::Texts{kThreeSongsFile, "old list\n"}));
    EXPECT_EQ(t.readFile("hitvault.ini").substr(0, 8), "top.txt\n");
    EXPECT_EQ(t.app.songs.changeCount, 0);

    // An existing name asks before it is overwritten; N asks for a name again.
    t.app.songs.rows[0].votes = 99;
    t.keys.text("n").line("mysongs");
    EXPECT_THROW(saveList(t.app), ScriptExhausted);
    EXPECT_TRUE(shows(t, {{13, 22, "File already exists      "},
                          {15, 22, "Overwrite ? "},
                          {17, 22, "(Y)es  (N)o "}}));
    t.keys.text("n").line("mysongs").text("xn").line("");
    saveList(t.app);
    EXPECT_EQ(t.keys.pending(), 0u);
    EXPECT_EQ(t.readFile("mysongs.txt"), "old list\n");
    EXPECT_EQ(t.app.settings.songDatabase, "test.txt") << "an empty name is test";
    EXPECT_NE(t.readFile("test.txt").find("\t99\n"), std::string::npos);
    t.keys.text("n").line("top").text("Y");
    saveList(t.app);
    EXPECT_NE(t.readFile("top.txt").find("\t99\n"), std::string::npos);
}

TEST_F(SaveList, BackupsOfOddNamesAndFailedCopies) {
    // The stem ends at the name's first dot, never at one of a folder.
    EXPECT_EQ(backupStem("my.songs.txt"), "my");
    EXPECT_FALSE(backupStem("lists.2024/top"));
    t.app.songs.changeCount = 1;
    t.app.settings.songDatabase = "mylist";
    t.writeFile("mylist", "old plain\n");
    t.keys.text(" q");  // the message's key, then the question
    saveList(t.app);
    EXPECT_EQ(t.app.messageText, "Could not make Backup ");
    EXPECT_EQ(t.keys.pending(), 0u);

    t.app.settings.songDatabase = "lists.2024/top.txt";
    t.writeFile("lists.2024/top.txt", "old top\n");
    t.keys.text("y");
    saveList(t.app);
    EXPECT_EQ(test::filesOf(t, {"lists.2024/top.txt", "lists.2024/top.001", "lists.001"}),
              (test::Texts{kThreeSongsFile, "old top\n", "(none)"}));

    // A list named like one of its own generations is not shifted over.
    t.app.settings.songDatabase = "chart.002";
    t.writeFile("chart.002", "the list\n");
    t.writeFile("chart.001", "generation 1");
    t.app.songs.changeCount = 1;
    t.app.messageText.clear();
    t.keys.text(" q");
    saveList(t.app);
    EXPECT_EQ(t.app.messageText, "Could not make Backup ");
    EXPECT_EQ(test::filesOf(t, {"chart.002", "chart.001", "chart.003"}),
              (test::Texts{"the list\n", "generation 1", "(none)"}));

    // .002 cannot be replaced: the shift stops before .001 is overwritten.
    t.app.settings.songDatabase = "mysongs.txt";
    t.writeFile("mysongs.001", "generation 1");
    std::filesystem::create_directory(t.folder + "mysongs.002");
    t.app.songs.changeCount = 1;
    t.app.messageText.clear();
    t.keys.text(" q");
    saveList(t.app);
    EXPECT_EQ(t.app.messageText, "Could not make Backup ");
    EXPECT_EQ(t.readFile("mysongs.001"), "generation 1");
    EXPECT_EQ(t.keys.pending(), 0u);
}

TEST_F(SaveList, SavingThroughALinkKeepsTheLinkAndThePermissions) {
    namespace fs = std::filesystem;
    const fs::perms private_ = fs::perms::owner_read | fs::perms::owner_write;
    t.writeFile("real/list.txt", "old list\n");
    fs::permissions(t.folder + "real/list.txt", private_);
    fs::create_symlink("real/list.txt", t.folder + "link.txt");
    t.app.settings.songDatabase = "link.txt";
    t.keys.text("y");
    saveList(t.app);
    EXPECT_TRUE(fs::is_symlink(t.folder + "link.txt"));
    EXPECT_EQ(t.readFile("real/list.txt"), kThreeSongsFile);
    EXPECT_EQ(fs::status(t.folder + "real/list.txt").permissions(), private_);
}

TEST_F(SaveList, QuitAsksOnlyWithChanges) {
    moveCursor(t.app.screen, 3, 3);
    putText(t.app.screen, "the list");
    EXPECT_EQ(quit(), 0);
    EXPECT_EQ(t.screen().find_first_not_of(" \n"), std::string::npos);
    EXPECT_EQ(generations(1), (test::Texts{"old list\n", "(none)"}));

    t.app.songs.changeCount = 2;
    EXPECT_THROW(quit(), ScriptExhausted);
    EXPECT_TRUE(shows(t, {{9, 22, "(Y)es  (N)ew File  (E)xit "}}));
    t.app.songs.sortOrder = kSortArtist;
    t.keys.text("qE");
    EXPECT_EQ(quit(), 0);
    EXPECT_EQ(generations(1), (test::Texts{"old list\n", "old list\n"}));
    EXPECT_TRUE(t.exists("band.txt"));
    EXPECT_EQ(t.app.songs.sortOrder, kSortRanking);

    t.keys.text("y");
    EXPECT_EQ(quit(), 0);
    EXPECT_EQ(t.readFile("mysongs.txt"), kThreeSongsFile);
    EXPECT_FALSE(t.exists("band.txt"));
}

TEST_F(SaveList, AListThatCannotBeWrittenIsKept) {
    t.writeFile("mysongs.001", "generation 1");
    t.app.songs.changeCount = 4;

    // The new name is a folder: the message, and the old name back.
    std::filesystem::create_directory(t.folder + "top.txt");
    t.keys.text("n").line("top");
    EXPECT_THROW(saveList(t.app), ScriptExhausted);
    EXPECT_TRUE(shows(t, {{10, 26, "List NOT saved: cannot write"}, {11, 26, "top.txt "}}));
    t.app.settings.songDatabase = "mysongs.txt";  // the script ran out mid-dialog
    t.keys.text("n").line("top").text(" ");
    saveList(t.app);
    EXPECT_EQ(t.keys.pending(), 0u);
    EXPECT_EQ(t.app.messageText, "List NOT saved: cannot write top.txt");
    EXPECT_EQ(t.app.settings.songDatabase, "mysongs.txt");
    EXPECT_EQ(t.app.songs.changeCount, 4);
    EXPECT_TRUE(t.exists("band.txt"));
    EXPECT_FALSE(t.exists("hitvault.ini"));

    // A folder that does not exist: quitting does not end the program.
    t.app.settings.songDatabase = "gone/mysongs.txt";
    t.keys.text("y").text(" ");
    EXPECT_EQ(quit(), -1);
    EXPECT_EQ(t.app.songs.changeCount, 4);
    EXPECT_TRUE(t.exists("band.txt"));
    EXPECT_FALSE(leftoverFiles(t.folder));
}

TEST_F(SaveList, AFullDiskLeavesTheOldFileAndBackups) {
    for (int i = 0; i < 200; ++i) t.addSong("Filler " + std::to_string(i), "Song", 1990);
    t.writeFile("mysongs.001", "generation 1");
    t.app.songs.changeCount = 2;

    // The file size limit stands in for a full disk: the small backups can
    // be written, the list of 200 songs cannot.
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    t.keys.text("y").text(" ");
    saveList(t.app);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(t.app.messageText, "List NOT saved: cannot write mysongs.txt");
    EXPECT_EQ(generations(2), (test::Texts{"old list\n", "old list\n", "generation 1"}));
    EXPECT_EQ(t.app.songs.changeCount, 2);
    EXPECT_TRUE(t.exists("band.txt"));
    EXPECT_FALSE(leftoverFiles(t.folder));
}

TEST_F(SaveList, AReadOnlyFileIsNotReplaced) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
    std::filesystem::permissions(t.folder + "mysongs.txt", std::filesystem::perms::owner_read);
    t.app.songs.changeCount = 1;
    t.keys.text("y").text(" ");
    saveList(t.app);
    EXPECT_EQ(t.readFile("mysongs.txt"), "old list\n");
    EXPECT_EQ(t.app.songs.changeCount, 1);
}

TEST_F(SaveList, ImportSaveImportKeepsTheTable) {
    std::mt19937 random(1975);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    auto name = [&]() {
        const std::string kinds[] = {"", "Queen", std::string(29, 'W'), std::string(35, 'y')};
        std::string text = kinds[pick(4)];
        // Any byte but the field and line separators, those above 0x80 too.
        for (int i = pick(12); i > 0; --i) {
            char c = static_cast<char>(32 + pick(224));
            if (c != 127) text.push_back(c);
        }
        return text;
    };
    const std::string durations[] = {"", "03:45", "0:04:12", "12:04:12", "7"};
    for (int round = 0; round < 10; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        test::TestApp u;
        std::string file = kHeader2026;
        for (int i = pick(120); i > 0; --i) {
            int prevRank = pick(3) == 0 ? 0 : (pick(2) ? 9999 : 1 + pick(10009));
            file += std::to_string(1 + pick(10000)) + "\t" + name() + "\t" + name() + "\t" +
                    std::to_string(pick(2101)) + "\t" + std::to_string(prevRank) + "\t" +
                    durations[pick(5)] + "\t" + std::to_string(pick(1000)) + "\n";
        }
        u.writeFile("mysongs.txt", file + "\n");
        u.keys.text(" ");
        ASSERT_TRUE(importDatabase(u.app, ImportCaller::Menu));
        const SongTable first = u.app.songs;

        u.app.songs.changeCount = 1;
        u.keys.text("y");
        saveList(u.app);
        std::string saved = u.readFile("mysongs.txt");
        u.keys.text(" ");
        ASSERT_TRUE(importDatabase(u.app, ImportCaller::Menu));
        ASSERT_EQ(u.app.songs.count, first.count);
        for (int r = 0; r < first.count; ++r)
            EXPECT_EQ(test::fieldsOf(u.app.songs.rows[r]), test::fieldsOf(first.rows[r])) << r;
        u.keys.text("y");
        saveList(u.app);
        EXPECT_EQ(u.readFile("mysongs.txt"), saved);
        EXPECT_EQ(u.keys.pending(), 0u);
    }
}

}  // namespace hv
