#include <gtest/gtest.h>

#include <filesystem>

#include "database/configuration_screen.h"
#include "support/test_app.h"

namespace hv {
namespace {

std::string iniLine(const test::TestApp& t, int n) {
    std::string file = t.readFile("hitvault.ini");
    size_t start = 0;
    for (int i = 1; i < n; ++i) start = file.find('\n', start) + 1;
    return file.substr(start, file.find('\n', start) - start);
}

void fillScreen(Screen& s, char c) {
    for (int r = 0; r < kScreenRows; ++r) {
        moveCursor(s, r, 0);
        putText(s, std::string(kScreenCols, c));
    }
}

TEST(Settings, ShortFileIsNoSettingsDefaultsAreTwelveLines) {
    const std::string eleven =
        "other.txt\r\n1999\r\nb.htm\r\n1\r\nr.htm\r\nbox\r\nf.htm\r\n1\r\nfold\r\nsubj\r\n0\r\n";
    test::TestApp t;
    t.writeFile("hitvault.ini", eleven);
    EXPECT_FALSE(readSettings(t.folder));
    ASSERT_TRUE(writeSettings(t.folder, defaultSettings(2026)));
    EXPECT_EQ(t.readFile("hitvault.ini"),
              "mysongs.txt\n2026\nbase.htm\n0\nbase2.htm\noutlook.box\nformbase."
              "htm\n0\noutlook\nHIT-VAULT\n100\n0\n");

    t.writeFile("hitvault.ini", eleven + "1\r\n");  // twelve CR LF lines read without their CR
    std::optional<Settings> read = readSettings(t.folder);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->songDatabase, "other.txt");
    EXPECT_EQ(read->chartYear, 1999);
    EXPECT_EQ(read->includeSmileys, kSwitchOff);
}

TEST(Configuration, ScreenTextsAndRegionRestored) {
    test::TestApp t;
    fillScreen(t.app.screen, '.');
    CellGrid before = t.app.screen.cells;
    t.keys.text("q");
    configurationScreen(t.app);
    EXPECT_EQ(t.app.screen.cells, before);

    t.keys.text("z");  // no command: read again without redrawing
    EXPECT_THROW(configurationScreen(t.app), ScriptExhausted);
    EXPECT_EQ(t.row(0), std::string(80, '.'));
    EXPECT_EQ(t.row(3).substr(10, 13) + t.row(4).substr(10, 13), "Configuration=============");
    EXPECT_EQ(t.row(6).substr(10, 38), "0.. Song Database        : mysongs.txt");
    EXPECT_EQ(t.row(7).substr(10, 31), "1.. Chart No.            : 2026");
    EXPECT_EQ(t.row(16).substr(10, 30), "A.. Songs Per Page       : 100");
    EXPECT_EQ(t.row(17).substr(10, 30), "B.. Include Smileys      : ON ");
    EXPECT_EQ(t.row(22).substr(10, 27), "(0-9) (A-B) (S)ave (Q)uit  ");
    EXPECT_EQ(configurationLines(t.app.settings).at(9), "9.. Subject Header       : HIT-VAULT");
}

TEST(Configuration, SwitchesFlipAndOnlySaveKeepsThem) {
    test::TestApp t;
    t.keys.text("3");
    EXPECT_THROW(configurationScreen(t.app), ScriptExhausted);
    EXPECT_EQ(t.row(9).substr(10, 30), "3.. Confirmation Checks  : OFF");
    t.keys.text("33");
    EXPECT_THROW(configurationScreen(t.app), ScriptExhausted);
    EXPECT_EQ(t.row(9).substr(10, 30), "3.. Confirmation Checks  : ON ");
    t.keys.text("37Bq");
    configurationScreen(t.app);
    EXPECT_EQ(t.app.settings.confirmationChecks + t.app.settings.includeSmileys, 0);
    EXPECT_FALSE(t.exists("hitvault.ini"));

    t.keys.text("3s");
    configurationScreen(t.app);
    EXPECT_EQ(t.app.settings.confirmationChecks, kSwitchOff);
    EXPECT_EQ(iniLine(t, 4), "1");

    t.removeFile("hitvault.ini");
    std::filesystem::create_directory(t.folder + "hitvault.ini");
    t.keys.text("3s").text("x");
    configurationScreen(t.app);
    EXPECT_EQ(t.app.messageText, "Could not write hitvault.ini ");
}

TEST(Configuration, TextAndNumberSettings) {
    test::TestApp t;
    // An empty answer keeps the value; 0 songs a page becomes 1.
    t.keys.text("0").line("").text("2").line("main.htm");
    t.keys.text("1").line("1999").text("a").line("0").text("s");
    configurationScreen(t.app);
    EXPECT_EQ(t.app.settings.songDatabase, "mysongs.txt");
    EXPECT_EQ(iniLine(t, 3), "main.htm");
    EXPECT_EQ(t.app.settings.chartYear, 1999);
    EXPECT_EQ(t.app.settings.songsPerPage, 1);
    for (auto [typed, perPage] : {std::pair{"250", 250}, {"abc", 1}}) {
        t.keys.text("A").line(typed).text("S");
        configurationScreen(t.app);
        EXPECT_EQ(t.app.settings.songsPerPage, perPage) << typed;
    }
    // A 0 from a hand-edited file is put right even by an empty answer.
    t.app.settings.songsPerPage = 0;
    t.keys.text("a").line("").text("s");
    configurationScreen(t.app);
    EXPECT_EQ(t.app.settings.songsPerPage, 1);

    // Input stops at 199 characters; the value shown stays inside the frame.
    t.keys.text("9").line(std::string(250, 'y')).text("s");
    configurationScreen(t.app);
    EXPECT_EQ(t.app.settings.subjectHeader, std::string(199, 'y'));
    fillScreen(t.app.screen, '.');
    t.keys.text("9");
    EXPECT_THROW(configurationScreen(t.app), ScriptExhausted);
    EXPECT_EQ(t.row(20).substr(10, 66), std::string(65, 'y') + static_cast<char>(186));
    EXPECT_EQ(t.row(15).substr(37, 36), std::string(36, ' '));  // the answer's place
    EXPECT_EQ(t.row(21).substr(0, 5), ".....");
}

}  // namespace
}  // namespace hv
