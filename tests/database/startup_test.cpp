#include <gtest/gtest.h>

#include <filesystem>

#include "database/startup_screen.h"
#include "support/test_app.h"

namespace hv {

namespace {

// Three songs with CR LF line ends and a byte of the Windows code page, as
// lists made elsewhere arrive.
const std::string kDatabase =
    "2026  Artist                        Song                          Year 2025 Duration Votes\r\n"
    "1\tQueen\tBohemian Rhapsody\t1975\t   1\t05:55\t0\r\n"
    "2\tBe\xe9 Gees\tStayin' Alive\t1977\t9999\t04:45\t0\r\n"
    "3\tQueen\tLove of My Life\t1975\t   0\t03:38\t0\r\n"
    "\r\n";
const std::string kFourSongs =
    kDatabase.substr(0, kDatabase.size() - 2) + "4\tAdele\tHello\t2015\t0\t04:55\t0\r\n\r\n";

// Runs the program; by default the import's "Press a Key" takes the space
// and the main list the q.
int start(test::TestApp& t, const std::vector<std::string>& args, const std::string& keys = " q") {
    t.keys.text(keys);
    return runProgram(t.app, args);
}

// The folder after a first run: list, settings and column files.
void firstRun(test::TestApp& t) {
    t.writeFile("mysongs.txt", kDatabase);
    ASSERT_EQ(start(t, {"s"}), 0);
    ASSERT_TRUE(t.exists("votes.txt") && t.exists("hitvault.ini"));
}

void copyFolder(const test::TestApp& from, const test::TestApp& to) {
    std::filesystem::copy(from.folder, to.folder,
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
}

}  // namespace

TEST(StartUp, FirstRunShowsTheTitleImportsAndCopiesTheDatabase) {
    test::TestApp t;
    t.writeFile("mysongs.txt", kDatabase);
    t.writeFile("backup.txt", "an older copy");
    // The title is on the screen while the sound plays.
    std::string title;
    int background = 0, corner = 0;
    t.app.env.runCommand = [&](const std::string& command) {
        t.commands.push_back(command);
        title = t.row(7) + t.row(9) + t.row(11);
        background = readCell(t.app.screen, 0, 0);
        corner = readCell(t.app.screen, 5, 15);
    };
    EXPECT_EQ(start(t, {}, "qq"), 0);
    EXPECT_EQ(t.keys.pending(), 0u);
    EXPECT_EQ(t.keys.closes, 1);
    ASSERT_EQ(t.commands, std::vector<std::string>{"sbplay intro.wav /s"});
    EXPECT_EQ(background, kAttrTitle * 256 + ' ');
    EXPECT_EQ(corner, kAttrNormal * 256 + 201);
    EXPECT_EQ(title.substr(21, 40), "         HITVAULT Statistics            ");
    EXPECT_EQ(title.substr(80 + 21, 40), "            version 1.1                 ");
    EXPECT_NE(title.substr(160 + 21, 40), std::string(40, ' '));
    EXPECT_EQ(t.app.songs.count, 3);
    EXPECT_TRUE(t.exists("band.txt"));
    EXPECT_EQ(t.readFile("hitvault.ini").substr(0, 12), "mysongs.txt\n");
    EXPECT_EQ(t.readFile("backup.txt"), kDatabase);

    // Any first argument but one starting with s or S keeps title and sound.
    const std::pair<std::vector<std::string>, size_t> options[] = {
        {{"x"}, 1}, {{"s"}, 0}, {{"Silent", "x"}, 0}};
    for (const auto& [args, sounds] : options) {
        test::TestApp u;
        u.writeFile("mysongs.txt", kDatabase);
        EXPECT_EQ(start(u, args), 0);
        EXPECT_EQ(u.commands.size(), sounds) << args[0];
    }
}

TEST(StartUp, ImportOnlyWhenColumnFilesOrSettingsAreMissing) {
    test::TestApp first;
    firstRun(first);

    // Complete files: no import screen, so the first Q quits. A change to
    // the list file is not seen, as the column files are loaded.
    test::TestApp complete;
    copyFolder(first, complete);
    complete.writeFile("mysongs.txt", kFourSongs);
    EXPECT_EQ(start(complete, {"S"}, "qq"), 0);
    EXPECT_EQ(complete.keys.pending(), 1u);
    EXPECT_EQ(complete.app.songs.count, 3);
    EXPECT_EQ(complete.readFile("backup.txt"), kFourSongs);

    // Without band.txt or hitvault.ini, or with settings of eleven lines,
    // the list is imported again; the settings become the defaults.
    const std::string eleven = "other.txt\n2026\nb.htm\n1\nr.htm\nbox\nf.htm\n1\nfold\nsubj\n100\n";
    for (const char* damage : {"band.txt", "hitvault.ini", "eleven lines"}) {
        SCOPED_TRACE(damage);
        test::TestApp t;
        copyFolder(complete, t);
        if (damage[0] == 'e')
            t.writeFile("hitvault.ini", eleven);
        else
            t.removeFile(damage);
        EXPECT_EQ(start(t, {"s"}, "qq"), 0);
        EXPECT_EQ(t.keys.pending(), 0u);
        EXPECT_EQ(t.app.songs.count, 4);
        EXPECT_TRUE(t.exists("band.txt"));
        EXPECT_EQ(t.readFile("hitvault.ini"), formatSettings(t.app.settings));
        EXPECT_EQ(t.app.settings.songDatabase, "mysongs.txt");
    }
}

TEST(StartUp, MissingDatabaseOrUnwritableSettings) {
    test::TestApp t;
    t.writeFile("backup.txt", "kept");
    t.keys.key(kKeySpace);
    EXPECT_EQ(runProgram(t.app, {"s"}), 0);
    EXPECT_EQ(t.row(3).substr(10, 40), "Obliged file mysongs.txt not present....");
    EXPECT_EQ(t.keys.closes, 1);

    // With complete column files the program still starts; the old copy
    // stays as it was.
    test::TestApp first, second;
    firstRun(first);
    copyFolder(first, second);
    second.removeFile("mysongs.txt");
    second.writeFile("backup.txt", "kept");
    EXPECT_EQ(start(second, {"s"}, "q"), 0);
    EXPECT_EQ(second.app.songs.count, 3);
    EXPECT_EQ(second.readFile("backup.txt"), "kept");

    // Settings that cannot be written do not import for ever: one message
    // when the defaults cannot be written, one when the import cannot write
    // them either; then the main list.
    test::TestApp locked;
    locked.writeFile("mysongs.txt", kDatabase);
    std::filesystem::create_directory(locked.folder + "hitvault.ini");
    EXPECT_EQ(start(locked, {"s"}, "  q"), 0);
    EXPECT_EQ(locked.keys.pending(), 0u);

    // A start copy that cannot be written is reported, not passed over.
    test::TestApp blocked;
    blocked.writeFile("mysongs.txt", kDatabase);
    std::filesystem::create_directory(blocked.folder + "backup.txt");
    EXPECT_EQ(start(blocked, {"s"}, "  q"), 0);
    EXPECT_EQ(blocked.app.messageText, "Could not write backup.txt ");
    EXPECT_EQ(blocked.keys.pending(), 0u);

    // Running out of keys on the main list still closes the console.
    test::TestApp out;
    out.writeFile("mysongs.txt", kDatabase);
    EXPECT_THROW(start(out, {"s"}, " "), ScriptExhausted);
    EXPECT_EQ(out.keys.closes, 1);
    EXPECT_EQ(out.row(3).substr(1, 12), "   1. Queen ");
}

}  // namespace hv
