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
    // The function pages: each text line opens with its given words (a
    // paragraph break is a single space), and is filled out to 65 or 66.
    const std::vector<std::vector<const char*>> openings = {
        {"(I)mport - Load Song Database.", "currently over 3600 songs", "(Append Songs) you can",
         " ", "(F)ind   - To search the list", "(N)ext to find the next item", " ",
         "(A)rtist - Show the most popular artists.", "minimum of 5 songs",
         "the list. You can change", "(-) keys. With (M)ode", "is used that calculates"},
        {"(Y)ear   - Show the most popular Years of Pop.", "can toggle the formula",
         "the Best Years of Pop List.", "1) based on the number of songs;",
         "2) based on average place in the List.", " ",
         "(D)ecade - Show the most popular Decade of Pop.", "can toggle the formula",
         "the Best Decades of Pop List.", "1) based on the number of songs;",
         "2) based on average place in the List.", " ",
         "(S)ongs  - List all New and/or disappeared songs."},
        {"(B)and    - Song Overview by Most Popular Band.", "List is presented on Alphabet.",
         "keys to increase the minimum number of Songs.", " ",
         "(C)ountry - Show the most popular Countries.",
         "the number of Songs using the (+) and (-) keys.", "With (S)ort you can toggle",
         "There are 3 options", "Most Artists and 3) Sorted on Alphabet.", " ",
         "(H)TML    - The heart of the program,", "to a HTML file for your Internet Browser.",
         "Use (E)xplorer to view all generated statistics."},
        {"(T)ime   - Show the longest and/or shortest songs",
         "total playing time. (B)and calculates", "time by Artist.", " ",
         "(L)imit  - Limit the number of Songs to Import.",
         "limited Lists such as a TOP-1000, TOP-500 or a", "TOP-100 List etc.etc.",
         "and maximum number of Songs is 10,000.", " ",
         "(O)utlook- Converts Votes received with Outlook Express to the",
         "proper format. See also [F11] - Import Email Votes.", " ",
         "(Q)uit   - Quit the program or return to main screen."}};
    for (size_t p = 0; p < openings.size(); ++p) {
        const HelpPage& page = pages[p + 2];
        for (size_t i = 0; i < kHelpTextRows; ++i) {
            SCOPED_TRACE("page " + std::to_string(p + 3) + " line " + std::to_string(i));
            std::string line = page.lines[i] ? page.lines[i] : "";
            if (i >= openings[p].size()) {
                EXPECT_EQ(line, "");
                continue;
            }
            EXPECT_EQ(line.substr(0, std::strlen(openings[p][i])), openings[p][i]);
            if (line != " ") {
                EXPECT_TRUE(line.size() == 65 || line.size() == 66) << line;
            }
        }
    }
    for (int p : {0, 1})
        for (const char* line : pages[p].lines)
            if (line) {
                EXPECT_EQ(std::strlen(line), 61u) << line;
            }
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
