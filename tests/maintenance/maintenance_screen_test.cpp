// The list maintenance screens on scripted keys: F5 append, J doubles, R replace.
#include <gtest/gtest.h>

#include "console/main_commands.h"
#include "support/test_app.h"

namespace hv {

using Names = std::vector<std::pair<const char*, const char*>>;

TEST(MaintenanceScreens, AppendAsksAboutLookAlikesAndCountsTheRest) {
    test::TestApp t;
    for (auto [artist, title] :
         Names{{"Queen", "Golden Road"}, {"Abba", "Waterloo"}, {"Beatles", "Yellow Submarine"}})
        t.addSong(artist, title);
    t.writeFile("country.txt", fitName("Zappa") + "US\n");
    std::string file = test::kHeader2007;
    for (auto [artist, title] : Names{{"Queen", "Golden Sky"},
                                      {"Abba", "Waterloo"},
                                      {"Beatles", "Yellow River"},
                                      {"Queen", "Golden Days"},
                                      {"Zappa", "Zoot Allures"}})
        file += test::genericLine(1, artist, title);
    t.writeFile("more.txt", file + "\n");
    // Escape and "" leave; a missing name and a directory are refused alike.
    t.writeFile("folder.txt/x", "");
    t.keys.key(kKeyEscape).line("").line("gone").line("folder");
    for (int i = 0; i < 2; ++i) runCommandKey(t.app, kKeyF5);
    EXPECT_THROW(runCommandKey(t.app, kKeyF5), ScriptExhausted);
    EXPECT_TRUE(test::shows(t, {{11, 20, "File folder nor folder.txt present... "}}));
    t.keys.line("more");
    EXPECT_THROW(runCommandKey(t.app, kKeyF5), ScriptExhausted);
    EXPECT_TRUE(test::showsGolden(t, "tests/maintenance/data/append_screen.txt"));

    // Accept Golden Sky, skip Yellow River, quit at Golden Days.
    t.keys.line("more").text("asq");
    EXPECT_THROW(runCommandKey(t.app, kKeyF5), ScriptExhausted);
    EXPECT_EQ(std::tuple(t.app.songs.count, t.app.songs.rows[4].country), std::tuple(5, "US"));
}

TEST(MaintenanceScreens, DoubleCheckRemovesAndKeeps) {
    test::TestApp t;
    for (const char* title : {"Road", "Road", "Sky", "Days"})
        t.addSong("Queen", std::string("Golden ") + title);
    for (const char* title : {"Station", "Sunset"})
        t.addSong("Abba", std::string("Waterloo ") + title);
    t.app.firstShownRow = 2;
    t.app.highlightOffset = 1;
    // R removes Golden Sky; Golden Days, moved up into its row, is kept. A run
    // the terminal ends at a question leaves the list whole.
    t.keys.text("rk");
    EXPECT_THROW(runCommandKey(t.app, 'J'), ScriptExhausted);
    EXPECT_TRUE(test::showsGolden(t, "tests/maintenance/data/double_check_screen.txt"));
    EXPECT_EQ(t.app.songs.count, 6);
}

TEST(MaintenanceScreens, FindAndReplaceAsksPerChangeAndKeepsItsTexts) {
    test::TestApp t;
    for (auto [artist, title] : Names{{"Blue Mink", "Melting Pot"},
                                      {"Moody Blues", "Nights"},
                                      {"Abba", "Blue Blue Day"},
                                      {"ELO", "Mr. Blue Sky"}})
        t.addSong(artist, title);
    t.writeFile("replace.ini", "old\nGreen\n");
    // The replacement comes from "replace.ini"; C, S, then A for the rest.
    t.keys.key('S').line("blue").text("gcsax").key('G');
    EXPECT_THROW(runCommandKey(t.app, 'R'), ScriptExhausted);
    EXPECT_TRUE(test::showsGolden(t, "tests/maintenance/data/find_replace_screen.txt"));
    EXPECT_EQ(std::tuple(t.app.songs.rows[1].artist, t.app.songs.rows[3].song),
              std::tuple(fitName("Moody Blues"), fitName("Mr. Green Sky")));
    EXPECT_EQ(t.readFile("replace.ini"), "blue\nGreen\n");

    // Q ends a pass; Ignore Case OFF finds no "blue"; a text too long is refused.
    t.keys.text("gqicgx").key('S').line(std::string(29, 'x')).text("gxq");
    runCommandKey(t.app, 'R');
    const FindReplaceState& state = t.app.findReplace;
    EXPECT_EQ(std::tuple(t.app.messageText, state.texts.search, state.confirmChanges,
                         state.ignoreCase, t.app.songs.changeCount, t.keys.pauses.size()),
              std::tuple("Nothing to search for", "", false, false, 3, 1u));
}

}  // namespace hv
