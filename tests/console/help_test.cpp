#include "console/help.h"

#include <gtest/gtest.h>

#include <cstring>

#include "database/song_list_fixtures.h"

namespace hv {

TEST(Help, PagesFitInsideTheLargeWindow) {
    auto pages = helpPages();
    ASSERT_EQ(pages.size(), 6u);
    for (const HelpPage& page : pages) {
        EXPECT_LT(20 + std::strlen(page.title), 75u) << page.title;
        EXPECT_LT(7 + std::strlen(page.keyLine), 75u) << page.keyLine;
        for (const char* line : page.lines) {
            if (line) {
                EXPECT_LT(page.column + std::strlen(line), 75u) << line;
            }
        }
    }
    // Every function page leads its paragraphs with the key in brackets.
    EXPECT_EQ(std::string(pages[2].lines[4]).substr(0, 6), "(F)ind");
    EXPECT_EQ(std::string(pages[5].lines[12]).substr(0, 6), "(Q)uit");
}

TEST(Help, PagingForwardAndBackAndTheExplorer) {
    // The page the keys lead to (the help still waits there). B on the first
    // page and M on the last do nothing; E opens the site page and stays.
    const std::pair<const char*, std::vector<test::Shown>> cases[] = {
        {"MMB",
         {{4, 20, "        Key Operations (2)      "},
          {6, 10, "Delete     - Delete a Song from the List"},
          {20, 7, "(M)ore (E)xplorer (Q)uit "}}},
        {"bx",
         {{4, 20, "        Key Operations (1)      "},
          {10, 6, std::string(69, ' ')},
          {11, 10, "F5      "}}},
        {"mmmmmmm",
         {{4, 20, "        Function Description (4)"},
          {18, 7, "(Q)uit"},
          {20, 7, "(B)ack (E)xplorer (Q)uit         "}}},
        {"mmme", {{4, 20, "        Function Description (2)"}}},
        {"mmmEm", {{4, 20, "        Function Description (3)"}}}};
    for (const auto& [keys, texts] : cases) {
        SCOPED_TRACE(keys);
        test::TestApp t;
        t.keys.text(keys);
        EXPECT_THROW(showHelp(t.app), ScriptExhausted);
        EXPECT_TRUE(shows(t, texts));
        using Call = std::pair<std::string, std::string>;
        std::vector<Call> calls;
        if (std::strpbrk(keys, "eE"))
            calls.push_back({"/usr/bin/fake-browser", t.folder + "hit-vault.htm"});
        EXPECT_EQ(t.browserCalls, calls);
    }
}

TEST(Help, QuitRestoresTheScreenUnderneath) {
    test::TestApp t;
    Screen& s = t.app.screen;
    for (int r = 0; r < kScreenRows; ++r) {
        setAttribute(s, r % 2 ? kAttrHighlight : kAttrNormal);
        moveCursor(s, r, 0);
        putText(s, std::string(79, static_cast<char>('a' + r)));
    }
    const CellGrid before = s.cells;
    // From a later page, from the first page at once, and when the console
    // cannot be read.
    t.keys.text("mmmq");
    showHelp(t.app);
    EXPECT_TRUE(s.cells == before);
    EXPECT_EQ(t.keys.pending(), 0u);
    t.keys.key('Q');
    showHelp(t.app);
    EXPECT_TRUE(s.cells == before);
    t.keys.failedRead();
    showHelp(t.app);
    EXPECT_TRUE(s.cells == before);
}

}  // namespace hv
