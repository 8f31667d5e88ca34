#include "database/configuration_screen.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "song_list_fixtures.h"

namespace hv {
namespace {

void fillScreen(Screen& s, char c) {
    for (int r = 0; r < kScreenRows; ++r) putTextAt(s, r, 0, std::string(kScreenCols, c));
}

TEST(ConfigurationScreen, TheWindowAndWhatItLeaves) {
    test::TestApp t;
    fillScreen(t.app.screen, '.');
    CellGrid before = t.app.screen.cells;
    t.keys.text("q");
    configurationScreen(t.app);
    EXPECT_EQ(t.app.screen.cells, before);
    t.keys.text("3z");  // z has no command: read again without redrawing
    EXPECT_THROW(configurationScreen(t.app), ScriptExhausted);
    EXPECT_TRUE(test::showsGolden(t, "tests/database/data/configuration_screen.txt"));
}

TEST(ConfigurationScreen, SwitchesFlipAndOnlySaveKeepsThem) {
    test::TestApp t;
    t.keys.text("37Bq");
    configurationScreen(t.app);
    EXPECT_EQ(t.app.settings.confirmationChecks + t.app.settings.includeSmileys, 0);
    EXPECT_FALSE(t.exists("hitvault.ini"));
    t.keys.text("33Bs");
    configurationScreen(t.app);
    EXPECT_EQ(std::pair(t.app.settings.confirmationChecks, t.app.settings.includeSmileys),
              std::pair(kSwitchOn, kSwitchOff));
    EXPECT_EQ(t.readFile("hitvault.ini"), formatSettings(t.app.settings));

    t.removeFile("hitvault.ini");
    std::filesystem::create_directory(t.folder + "hitvault.ini");
    t.keys.text("3s").text("x");
    configurationScreen(t.app);
    EXPECT_EQ(t.app.messageText, "Could not write hitvault.ini ");
}

TEST(ConfigurationScreen, TextAndNumberSettings) {
    test::TestApp t;
    const Settings& s = t.app.settings;
    // An empty answer keeps the value; 0 songs a page, or text, is 1.
    t.keys.text("0").line("").text("2").line("main.htm").text("1").line("1999").text("s");
    configurationScreen(t.app);
    EXPECT_EQ(std::tie(s.songDatabase, s.templateMain, s.chartYear),
              std::make_tuple("mysongs.txt", "main.htm", 1999));
    EXPECT_EQ(t.readFile("hitvault.ini"), formatSettings(s));
    // A 0 from a hand-edited file is put right even by an empty answer.
    for (auto [before, typed, perPage] :
         {std::tuple{5, "0", 1}, {5, "250", 250}, {5, "abc", 1}, {0, "", 1}}) {
        t.app.settings.songsPerPage = before;
        t.keys.text("A").line(typed).text("S");
        configurationScreen(t.app);
        EXPECT_EQ(s.songsPerPage, perPage) << typed;
    }

    // Input stops at 199 characters; the value shown stays inside the frame.
    t.keys.text("9").line(std::string(250, 'y')).text("s");
    configurationScreen(t.app);
    EXPECT_EQ(s.subjectHeader, std::string(199, 'y'));
    fillScreen(t.app.screen, '.');
    t.keys.text("9");
    EXPECT_THROW(configurationScreen(t.app), ScriptExhausted);
    EXPECT_EQ(t.row(20).substr(10, 66), std::string(65, 'y') + static_cast<char>(186));
    EXPECT_EQ(t.row(15).substr(37, 38), std::string(38, ' '));  // the answer's place
    EXPECT_EQ(t.row(21).substr(0, 5), ".....");

    // A 60-character answer scrolls inside the cleared field, short of the frame.
    const std::string rowBelow = t.row(16);
    t.keys.text("9").text(std::string(30, 'a') + std::string(30, 'b'));
    EXPECT_THROW(configurationScreen(t.app), ScriptExhausted);
    EXPECT_EQ(t.row(15).substr(37),
              std::string(7, 'a') + std::string(30, 'b') + " " + static_cast<char>(186) + "....");
    EXPECT_EQ(t.row(16), rowBelow);
}

}  // namespace
}  // namespace hv
