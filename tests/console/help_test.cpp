#include "console/help.h"

#include <gtest/gtest.h>

#include <cstring>

#include "database/song_list_fixtures.h"

namespace hv {

TEST(Help, EveryPageFitsInsideTheLargeWindow) {
    for (const HelpPage& page : helpPages()) {
        EXPECT_LT(20 + std::strlen(page.title), 75u) << page.title;
        EXPECT_LT(7 + std::strlen(page.keyLine), 75u) << page.keyLine;
        for (const char* line : page.lines) {
            if (!line) continue;
            EXPECT_LT(page.column + std::strlen(line), 75u) << line;
        }
    }
}

TEST(Help, BackMoreExplorerAndQuit) {
    using enum HelpStep;
    // B on the first page and M on the last do nothing; an unreadable console leaves.
    const std::tuple<int, int, HelpStep> steps[] = {
        {0, 'b', Ignore},   {1, 'B', Back},  {0, 'm', More}, {4, 'M', More},  {5, 'm', Ignore},
        {3, 'e', Explorer}, {2, 'Q', Leave}, {0, -1, Leave}, {0, 'x', Ignore}};
    for (auto [page, ch, step] : steps)
        EXPECT_EQ(helpStep(page, ch), step) << "page " << page << " key " << ch;
}

TEST(Help, PagesOnTheScreenAndTheScreenUnderneathComesBack) {
    test::TestApp t;
    Screen& s = t.app.screen;
    for (int r = 0; r < kScreenRows; ++r) {
        setAttribute(s, r % 2 ? kAttrHighlight : kAttrNormal);
        putTextAt(s, r, 0, std::string(79, static_cast<char>('a' + r)));
    }
    const CellGrid before = s.cells;
    for (const char* keys : {"mmmq", "Q"}) {
        t.keys.text(keys);
        showHelp(t.app);
        EXPECT_TRUE(s.cells == before) << keys;
    }
    t.keys.failedRead();
    showHelp(t.app);
    EXPECT_TRUE(s.cells == before);

    t.keys.text("mmmmmmmbE");
    EXPECT_THROW(showHelp(t.app), ScriptExhausted);
    EXPECT_TRUE(shows(t, {{4, 20, "        Function Description (3)"}}));
    EXPECT_EQ(t.browserCalls, (std::vector<std::pair<std::string, std::string>>{
                                  {"/usr/bin/fake-browser", t.folder + "hit-vault.htm"}}));
}

}  // namespace hv
