#include "database/startup.h"

#include <gtest/gtest.h>

#include <filesystem>

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

// The folder after a first run: list, settings and column files. Later runs
// start in a copy of it with a fresh program state.
void firstRun(test::TestApp& t) {
    t.writeFile("mysongs.txt", kDatabase);
    t.keys.key(kKeySpace).key('Q');  // the import's closing key, then quit
    ASSERT_EQ(runProgram(t.app, {"s"}), 0);
    ASSERT_TRUE(t.exists("votes.txt") && t.exists("hitvault.ini"));
}

void copyFolder(const test::TestApp& from, const test::TestApp& to) {
    std::filesystem::copy(from.folder, to.folder,
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
}

}  // namespace

TEST(StartUp, FirstRunImportsAndCopiesTheDatabase) {
    test::TestApp t;
    t.writeFile("mysongs.txt", kDatabase);
    t.writeFile("backup.txt", "an older copy");
    // The import's "Press a Key" takes the first Q, the main list the second.
    t.keys.key('Q').key('Q');
    EXPECT_EQ(runProgram(t.app, {}), 0);
    EXPECT_EQ(t.keys.pending(), 0u);
    EXPECT_EQ(t.keys.closes, 1);
    EXPECT_EQ(t.app.songs.count, 3);
    EXPECT_FALSE(t.app.reloadRequest);
    EXPECT_TRUE(t.exists("band.txt"));
    EXPECT_EQ(t.readFile("hitvault.ini").substr(0, 12), "mysongs.txt\n");
    EXPECT_EQ(t.readFile("backup.txt"), kDatabase);
    EXPECT_EQ(t.commands, std::vector<std::string>{"sbplay intro.wav /s"});
}

TEST(StartUp, ImportOnlyWhenColumnFilesOrSettingsAreMissing) {
    test::TestApp first;
    firstRun(first);

    // Complete files: no import screen, so the first Q quits. A change to
    // the list file is not seen, as the column files are loaded.
    test::TestApp complete;
    copyFolder(first, complete);
    complete.writeFile("mysongs.txt", kFourSongs);
    complete.keys.key('Q').key('Q');
    EXPECT_EQ(runProgram(complete.app, {"S"}), 0);
    EXPECT_EQ(complete.keys.pending(), 1u);
    EXPECT_EQ(complete.app.songs.count, 3);
    EXPECT_EQ(complete.readFile("backup.txt"), kFourSongs);

    // Without band.txt, or with settings of eleven lines, the list is
    // imported again; the short settings are replaced by the defaults.
    for (const char* damage : {"band.txt", "hitvault.ini"}) {
        test::TestApp t;
        copyFolder(complete, t);
        if (std::string(damage) == "band.txt") {
            t.removeFile("band.txt");
        } else {
            t.app.settings.songDatabase = "other.txt";
            std::string settings = formatSettings(t.app.settings);
            t.writeFile("hitvault.ini",
                        settings.substr(0, settings.rfind('\n', settings.size() - 2) + 1));
        }
        t.keys.key('Q').key('Q');
        EXPECT_EQ(runProgram(t.app, {"s"}), 0);
        EXPECT_EQ(t.keys.pending(), 0u) << damage;
        EXPECT_EQ(t.app.songs.count, 4) << damage;
        EXPECT_TRUE(t.exists("band.txt"));
        EXPECT_EQ(t.readFile("hitvault.ini"), formatSettings(t.app.settings));
        EXPECT_EQ(t.app.settings.songDatabase, "mysongs.txt");
    }
}

TEST(StartUp, SettingsThatCannotBeWrittenDoNotImportForEver) {
    test::TestApp t;
    t.writeFile("mysongs.txt", kDatabase);
    std::filesystem::create_directory(t.folder + "hitvault.ini");
    // One message when the defaults cannot be written, one when the import
    // cannot write them either; then the main list.
    t.keys.key(kKeySpace).key(kKeySpace).key('Q');
    EXPECT_EQ(runProgram(t.app, {"s"}), 0);
    EXPECT_EQ(t.keys.pending(), 0u);
}

TEST(StartUp, MissingDatabase) {
    test::TestApp t;
    t.writeFile("backup.txt", "kept");
    t.keys.key(kKeySpace);
    EXPECT_EQ(runProgram(t.app, {"s"}), 0);
    EXPECT_EQ(t.row(3).substr(10, 40), "Obliged file mysongs.txt not present....");
    EXPECT_EQ(t.keys.closes, 1);

    // With complete column files the program still starts; the old copy
    // stays as it was.
    test::TestApp first;
    firstRun(first);
    test::TestApp second;
    copyFolder(first, second);
    second.removeFile("mysongs.txt");
    second.writeFile("backup.txt", "kept");
    second.keys.key('Q');
    EXPECT_EQ(runProgram(second.app, {"s"}), 0);
    EXPECT_EQ(second.app.songs.count, 3);
    EXPECT_EQ(second.readFile("backup.txt"), "kept");
}

TEST(StartUp, TitleScreenAndSoundUnlessSilent) {
    test::TestApp t;
    t.writeFile("mysongs.txt", kDatabase);
    // The title is on the screen while the sound plays.
    std::string title;
    int background = 0, corner = 0;
    t.app.env.runCommand = [&](const std::string& command) {
        t.commands.push_back(command);
        title = t.row(7) + t.row(9) + t.row(11);
        background = readCell(t.app.screen, 0, 0);
        corner = readCell(t.app.screen, 5, 15);
    };
    t.keys.key(kKeySpace).key('Q');
    EXPECT_EQ(runProgram(t.app, {"x"}), 0);
    ASSERT_EQ(t.commands, std::vector<std::string>{"sbplay intro.wav /s"});
    EXPECT_EQ(background, kAttrTitle * 256 + ' ');
    EXPECT_EQ(corner, kAttrNormal * 256 + 201);
    EXPECT_EQ(title.substr(21, 40), "         HITVAULT Statistics            ");
    EXPECT_EQ(title.substr(80 + 21, 40), "            version 1.1                 ");
    EXPECT_NE(title.substr(160 + 21, 40), std::string(40, ' '));

    for (const char* option : {"s", "Silent"}) {
        test::TestApp quiet;
        quiet.writeFile("mysongs.txt", kDatabase);
        quiet.keys.key(kKeySpace).key('Q');
        EXPECT_EQ(runProgram(quiet.app, {option, "x"}), 0);
        EXPECT_TRUE(quiet.commands.empty()) << option;
    }
}

TEST(StartUp, ConsoleIsClosedWhenTheScriptRunsOut) {
    test::TestApp t;
    t.writeFile("mysongs.txt", kDatabase);
    t.keys.key(kKeySpace);
    EXPECT_THROW(runProgram(t.app, {"s"}), ScriptExhausted);
    EXPECT_EQ(t.keys.closes, 1);
    EXPECT_EQ(t.row(3).substr(1, 12), "   1. Queen ");
}

}  // namespace hv
