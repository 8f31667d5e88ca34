#include "database/configuration_screen.h"

#include <gtest/gtest.h>

#include "song_list_fixtures.h"

namespace hv {
namespace {

TEST(ConfigurationScreen, TheWindowAndWhatItLeaves) {
    test::TestApp t;
    for (int r = 0; r < kScreenRows; ++r)
        putTextAt(t.app.screen, r, 0, std::string(kScreenCols, '.'));
    CellGrid before = t.app.screen.cells;
    t.keys.text("q");
    configurationScreen(t.app);
    EXPECT_EQ(t.app.screen.cells, before);
    t.keys.text("3z");  // z has no command: read again without redrawing
    EXPECT_THROW(configurationScreen(t.app), ScriptExhausted);
    EXPECT_TRUE(test::showsGolden(t, "tests/database/data/configuration_screen.txt"));
}

TEST(ConfigurationScreen, OnlySaveKeepsTheAnswers) {
    test::TestApp t;
    const Settings& s = t.app.settings;
    t.keys.text("2").line("lost.htm").text("q");
    configurationScreen(t.app);
    EXPECT_FALSE(t.exists("hitvault.ini"));
    // An empty answer keeps the value; input stops at 199 characters.
    t.keys.text("0").line("").text("2").line("main.htm").text("9").line(std::string(250, 'y'));
    t.keys.text("s");
    configurationScreen(t.app);
    EXPECT_EQ(std::tie(s.songDatabase, s.templateMain, s.subjectHeader),
              std::make_tuple("mysongs.txt", "main.htm", std::string(199, 'y')));
    EXPECT_EQ(t.readFile("hitvault.ini"), formatSettings(s));
}

}  // namespace
}  // namespace hv
