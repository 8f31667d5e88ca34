#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <random>
#include <string>

#include "console/main_commands.h"
#include "database/backups.h"
#include "database/import.h"
#include "database/save_list.h"
#include "support/test_app.h"

namespace hv {

namespace {

const std::string kHeader2026 =
    "2026  Artist                        Song                          Year 2025 Duration "
    "Votes\n";

std::string songLine(int place, const std::string& artist, const std::string& title, int year,
                     const std::string& prevRank, const std::string& duration, int votes) {
    return std::to_string(place) + "\t" + fitName(artist) + "\t" + fitName(title) + "\t" +
           std::to_string(year) + "\t" + prevRank + "\t" + duration + "\t" + std::to_string(votes) +
           "\n";
}

// Three songs in chart order, the old file and the column file of the last
// import beside them.
void threeSongs(test::TestApp& t) {
    t.addSong("Queen", "Bohemian Rhapsody", 1975, 3, "05:55", 10);
    t.addSong("ABBA", "Dancing Queen", 1976, 9999, "03:51", 30);
    t.addSong("Eagles", "Hotel California", 1977, 0, "06:30", 20);
    t.writeFile("mysongs.txt", "old list\n");
    t.writeFile("band.txt", "columns\n");
}

const std::string kThreeSongsFile =
    kHeader2026 + songLine(1, "Queen", "Bohemian Rhapsody", 1975, "   3", "05:55", 10) +
    songLine(2, "ABBA", "Dancing Queen", 1976, "9999", "03:51", 30) +
    songLine(3, "Eagles", "Hotel California", 1977, "   0", "06:30", 20) + "\n";

// Runs Q and returns the exit status, or -1 when the program goes on.
int quit(test::TestApp& t) {
    try {
        runCommandKey(t.app, 'Q');
    } catch (const ProgramExit& e) {
        return e.status;
    }
    return -1;
}

bool leftoverFiles(const std::string& folder) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.path().filename().string().find(".hvtmp") != std::string::npos) return true;
    return false;
}

}  // namespace

TEST(SaveList, BackupNamesComeFromTheFilesOwnName) {
    EXPECT_EQ(backupStem("mysongs.txt"), "mysongs");
    EXPECT_EQ(backupStem("my.songs.txt"), "my");
    EXPECT_EQ(backupStem("lists.2024/top.txt"), "lists.2024/top");
    EXPECT_FALSE(backupStem("lists.2024/top"));
    EXPECT_FALSE(backupStem("mysongs"));
    EXPECT_EQ(backupName("mysongs", 1), "mysongs.001");
    EXPECT_EQ(backupName("lists.2024/top", 5), "lists.2024/top.005");
}

TEST(SaveList, F4RotatesBeforeAskingAndQuitKeepsTheChanges) {
    test::TestApp t;
    threeSongs(t);
    t.writeFile("mysongs.001", "generation 1");
    t.writeFile("mysongs.002", "generation 2");
    t.writeFile("mysongs.004", "generation 4");
    t.app.songs.changeCount = 3;
    std::string before = t.screen();

    t.keys.text("xq");
    ASSERT_TRUE(runCommandKey(t.app, kKeyF4));
    EXPECT_EQ(t.readFile("mysongs.001"), "old list\n");
    EXPECT_EQ(t.readFile("mysongs.002"), "generation 1");
    EXPECT_EQ(t.readFile("mysongs.003"), "generation 2");
    EXPECT_EQ(t.readFile("mysongs.004"), "generation 4") << "no .003 to shift: left as it was";
    EXPECT_EQ(t.readFile("mysongs.005"), "generation 4");
    EXPECT_EQ(t.readFile("mysongs.txt"), "old list\n");
    EXPECT_EQ(t.app.songs.changeCount, 3);
    EXPECT_TRUE(t.exists("band.txt"));
    EXPECT_EQ(t.screen(), before);

    EXPECT_THROW(saveList(t.app), ScriptExhausted);
    EXPECT_EQ(t.row(7).substr(22, 30), "Save Changes to mysongs.txt ? ");
    EXPECT_EQ(t.row(9).substr(22, 26), "(Y)es  (N)ew File  (Q)uit ");
    EXPECT_EQ(t.readFile("mysongs.002"), "old list\n") << "rotated again before the question";
}

TEST(SaveList, YesWritesTheListInRankingOrder) {
    test::TestApp t;
    threeSongs(t);
    t.app.songs.sortOrder = kSortVotes;
    t.app.settings.chartYear = 2026;
    t.keys.text("Y");
    saveList(t.app);
    EXPECT_EQ(t.readFile("mysongs.txt"), kThreeSongsFile);
    EXPECT_FALSE(t.exists("mysongs.001")) << "no changes, no rotation";
    EXPECT_FALSE(t.exists("band.txt"));
    EXPECT_EQ(t.readFile("hitvault.ini").substr(0, 17), "mysongs.txt\n2026\n");
    EXPECT_EQ(t.app.songs.sortOrder, kSortRanking);
    EXPECT_EQ(t.app.songs.rows[0].votes, 10) << "the list stays in ranking order";

    // Sorted on Votes with changes: saved in ranking order all the same.
    t.app.songs.sortOrder = kSortVotes;
    t.app.songs.changeCount = 5;
    std::swap(t.app.songs.rows[0], t.app.songs.rows[1]);
    t.keys.text("y");
    saveList(t.app);
    EXPECT_EQ(t.readFile("mysongs.txt"), kThreeSongsFile);
    EXPECT_EQ(t.readFile("mysongs.001"), kThreeSongsFile);
    EXPECT_EQ(t.app.songs.changeCount, 0);

    // An empty list: the header and the closing empty line.
    t.app.songs.count = 0;
    t.keys.text("y");
    saveList(t.app);
    EXPECT_EQ(t.readFile("mysongs.txt"), kHeader2026 + "\n");
}

TEST(SaveList, NewFileNamesAndTheOverwriteQuestion) {
    test::TestApp t;
    threeSongs(t);
    t.app.songs.changeCount = 1;
    t.keys.text("n").line("mylist.txt");
    EXPECT_THROW(saveList(t.app), ScriptExhausted);
    EXPECT_EQ(t.row(14).substr(22, 16), "Invalid Name... ");
    EXPECT_EQ(t.row(11).substr(22, 9), "Filename ");

    t.keys.text("n").line("mylist.txt").line("abcdefghi").line("top");
    saveList(t.app);
    EXPECT_EQ(t.app.settings.songDatabase, "top.txt");
    EXPECT_EQ(t.readFile("top.txt"), kThreeSongsFile);
    EXPECT_EQ(t.readFile("mysongs.txt"), "old list\n");
    EXPECT_EQ(t.readFile("hitvault.ini").substr(0, 8), "top.txt\n");
    EXPECT_EQ(t.app.songs.changeCount, 0);

    // An existing name asks before it is overwritten; N asks for a name again.
    t.app.songs.rows[0].votes = 99;
    t.keys.text("n").line("mysongs");
    EXPECT_THROW(saveList(t.app), ScriptExhausted);
    EXPECT_EQ(t.row(13).substr(22, 25), "File already exists      ");
    EXPECT_EQ(t.row(15).substr(22, 12), "Overwrite ? ");
    EXPECT_EQ(t.row(17).substr(22, 12), "(Y)es  (N)o ");
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

TEST(SaveList, BackupsOfNamesWithoutOrWithFolderDots) {
    test::TestApp t;
    threeSongs(t);
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
    EXPECT_EQ(t.readFile("lists.2024/top.001"), "old top\n");
    EXPECT_EQ(t.readFile("lists.2024/top.txt"), kThreeSongsFile);
    EXPECT_FALSE(t.exists("lists.001"));
}

TEST(SaveList, QuitAsksOnlyWithChanges) {
    {
        test::TestApp t;
        threeSongs(t);
        moveCursor(t.app.screen, 3, 3);
        putText(t.app.screen, "the list");
        EXPECT_EQ(quit(t), 0);
        EXPECT_EQ(t.screen().find_first_not_of(" \n"), std::string::npos);
        EXPECT_FALSE(t.exists("mysongs.001"));
        EXPECT_EQ(t.readFile("mysongs.txt"), "old list\n");
    }
    {
        test::TestApp t;
        threeSongs(t);
        t.app.songs.changeCount = 2;
        t.app.songs.sortOrder = kSortArtist;
        t.keys.text("qE");
        EXPECT_EQ(quit(t), 0);
        EXPECT_EQ(t.readFile("mysongs.001"), "old list\n");
        EXPECT_EQ(t.readFile("mysongs.txt"), "old list\n");
        EXPECT_TRUE(t.exists("band.txt"));
        EXPECT_EQ(t.app.songs.sortOrder, kSortRanking);
    }
    {
        test::TestApp t;
        threeSongs(t);
        t.app.songs.changeCount = 2;
        t.keys.text("y");
        EXPECT_EQ(quit(t), 0);
        EXPECT_EQ(t.readFile("mysongs.txt"), kThreeSongsFile);
        EXPECT_FALSE(t.exists("band.txt"));
    }
    {
        test::TestApp t;
        threeSongs(t);
        t.app.songs.changeCount = 2;
        EXPECT_THROW(quit(t), ScriptExhausted);
        EXPECT_EQ(t.row(9).substr(22, 26), "(Y)es  (N)ew File  (E)xit ");
    }
}

TEST(SaveList, AListThatCannotBeWrittenIsKept) {
    test::TestApp t;
    threeSongs(t);
    t.writeFile("mysongs.001", "generation 1");
    t.app.songs.changeCount = 4;

    // The new name is a folder: the message, and the old name back.
    std::filesystem::create_directory(t.folder + "top.txt");
    t.keys.text("n").line("top");
    EXPECT_THROW(saveList(t.app), ScriptExhausted);
    EXPECT_EQ(t.row(10).substr(26, 28), "List NOT saved: cannot write");
    EXPECT_EQ(t.row(11).substr(26, 8), "top.txt ");
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
    EXPECT_EQ(quit(t), -1);
    EXPECT_EQ(t.app.songs.changeCount, 4);
    EXPECT_TRUE(t.exists("band.txt"));
    EXPECT_FALSE(leftoverFiles(t.folder));
}

TEST(SaveList, AFullDiskLeavesTheOldFileAndBackups) {
    test::TestApp t;
    threeSongs(t);
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
    EXPECT_EQ(t.readFile("mysongs.txt"), "old list\n");
    EXPECT_EQ(t.readFile("mysongs.001"), "old list\n");
    EXPECT_EQ(t.readFile("mysongs.002"), "generation 1");
    EXPECT_EQ(t.app.songs.changeCount, 2);
    EXPECT_TRUE(t.exists("band.txt"));
    EXPECT_FALSE(leftoverFiles(t.folder));
}

TEST(SaveList, AReadOnlyFileIsNotReplaced) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
    test::TestApp t;
    threeSongs(t);
    std::filesystem::permissions(t.folder + "mysongs.txt", std::filesystem::perms::owner_read);
    t.app.songs.changeCount = 1;
    t.keys.text("y").text(" ");
    saveList(t.app);
    EXPECT_EQ(t.readFile("mysongs.txt"), "old list\n");
    EXPECT_EQ(t.app.songs.changeCount, 1);
}

TEST(SaveList, ImportSaveImportKeepsTheTable) {
    std::mt19937 random(1975);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    auto name = [&]() {
        static const std::string kinds[] = {"", "Queen", std::string(29, 'W'),
                                            std::string(35, 'y')};
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
        test::TestApp t;
        std::string file = kHeader2026;
        for (int i = pick(120); i > 0; --i) {
            int prevRank = pick(3) == 0 ? 0 : (pick(2) ? 9999 : 1 + pick(10009));
            file += std::to_string(1 + pick(10000)) + "\t" + name() + "\t" + name() + "\t" +
                    std::to_string(pick(2101)) + "\t" + std::to_string(prevRank) + "\t" +
                    durations[pick(5)] + "\t" + std::to_string(pick(1000)) + "\n";
        }
        t.writeFile("mysongs.txt", file + "\n");
        t.keys.text(" ");
        ASSERT_TRUE(importDatabase(t.app, ImportCaller::Menu));
        const SongTable first = t.app.songs;

        t.app.songs.changeCount = 1;
        t.keys.text("y");
        saveList(t.app);
        std::string saved = t.readFile("mysongs.txt");
        t.keys.text(" ");
        ASSERT_TRUE(importDatabase(t.app, ImportCaller::Menu));
        const SongTable& second = t.app.songs;
        ASSERT_EQ(second.count, first.count) << "round " << round;
        for (int r = 0; r < first.count; ++r) {
            const Song &a = first.rows[r], &b = second.rows[r];
            EXPECT_EQ(a.place, b.place);
            EXPECT_EQ(a.artist, b.artist);
            EXPECT_EQ(a.song, b.song);
            EXPECT_EQ(a.year, b.year);
            EXPECT_EQ(a.prevRank, b.prevRank);
            EXPECT_EQ(a.duration, b.duration);
            EXPECT_EQ(a.votes, b.votes);
            EXPECT_EQ(a.country, b.country);
        }
        t.keys.text("y");
        saveList(t.app);
        EXPECT_EQ(t.readFile("mysongs.txt"), saved) << "round " << round;
        EXPECT_EQ(t.keys.pending(), 0u);
    }
}

}  // namespace hv
