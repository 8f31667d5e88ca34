#include "console/help.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/test_app.h"

namespace hv {

namespace {

std::string titleOf(const test::TestApp& t) {
    return t.row(4).substr(20, 32);
}

// Runs the help until the queued keys are used up; the help is then still
// waiting on the page the keys led to.
void helpUntilKeysRunOut(test::TestApp& t) {
    EXPECT_THROW(showHelp(t.app), ScriptExhausted);
}

}  // namespace

TEST(Help, PagesFitInsideTheLargeWindow) {
    auto pages = helpPages();
    ASSERT_EQ(pages.size(), 6u);
    for (const HelpPage& page : pages) {
        EXPECT_LT(20 + std::strlen(page.title), 75u) << page.title;
        EXPECT_LT(7 + std::strlen(page.keyLine), 75u) << page.keyLine;
        for (const char* line : page.lines) {
            if (!line) continue;
            EXPECT_LT(page.column + std::strlen(line), 75u) << line;
        }
    }
    // Every function page leads its paragraphs with the key in brackets.
    EXPECT_EQ(std::string(pages[2].lines[4]).substr(0, 6), "(F)ind");
    EXPECT_EQ(std::string(pages[5].lines[12]).substr(0, 6), "(Q)uit");
}

TEST(Help, PagingForwardAndBack) {
    test::TestApp t;
    t.keys.text("MMB");
    helpUntilKeysRunOut(t);
    EXPECT_EQ(titleOf(t), "        Key Operations (2)      ");
    EXPECT_EQ(t.row(6).substr(10, 40), "Delete     - Delete a Song from the List");
    EXPECT_EQ(t.row(20).substr(7, 25), "(M)ore (E)xplorer (Q)uit ");

    // B on the first page and M on the last do nothing; lower case works.
    test::TestApp first;
    first.keys.text("bx");
    helpUntilKeysRunOut(first);
    EXPECT_EQ(titleOf(first), "        Key Operations (1)      ");
    EXPECT_EQ(first.row(10).substr(6, 69), std::string(69, ' '));
    EXPECT_EQ(first.row(11).substr(10, 8), "F5      ");

    test::TestApp last;
    last.keys.text("mmmmmmm");
    helpUntilKeysRunOut(last);
    EXPECT_EQ(titleOf(last), "        Function Description (4)");
    EXPECT_EQ(last.row(20).substr(7, 33), "(B)ack (E)xplorer (Q)uit         ");
    EXPECT_EQ(last.row(18).substr(7, 6), "(Q)uit");
}

TEST(Help, ExplorerOpensTheSitePageAndStays) {
    test::TestApp t;
    t.keys.text("mmme");
    helpUntilKeysRunOut(t);
    ASSERT_EQ(t.browserCalls.size(), 1u);
    EXPECT_EQ(t.browserCalls[0].first, "/usr/bin/fake-browser");
    EXPECT_EQ(t.browserCalls[0].second, t.folder + "hit-vault.htm");
    EXPECT_EQ(titleOf(t), "        Function Description (2)");

    // It waits on the same page: M then goes on to page 5.
    test::TestApp again;
    again.keys.text("mmmEm");
    helpUntilKeysRunOut(again);
    EXPECT_EQ(titleOf(again), "        Function Description (3)");
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
    t.keys.text("mmmq");
    showHelp(t.app);
    EXPECT_TRUE(s.cells == before);
    EXPECT_EQ(t.keys.pending(), 0u);

    // From the first page at once, and when the console cannot be read.
    t.keys.key('Q');
    showHelp(t.app);
    EXPECT_TRUE(s.cells == before);
    t.keys.failedRead();
    showHelp(t.app);
    EXPECT_TRUE(s.cells == before);
}

}  // namespace hv
