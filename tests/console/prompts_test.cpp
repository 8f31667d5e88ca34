#include "console/prompts.h"

#include <gtest/gtest.h>

#include "database/song_list_fixtures.h"

namespace hv {

TEST(Prompts, MessageBoxesWaitForATypedCharacterAndOfferViewStartsTheBrowserOnYes) {
    test::TestApp t;
    t.app.messageText = "top00000.htm generated...";
    t.keys.key(kKeyF5);
    EXPECT_THROW(showMessage(t.app), ScriptExhausted);
    EXPECT_TRUE(shows(t, {{10, 26, "top00000.htm generated..."}, {14, 30, "Press any key"}}));
    t.app.messageText = "artist.htm generated...";
    EXPECT_THROW(offerView(t.app), ScriptExhausted);
    EXPECT_TRUE(shows(t, {{10, 26, "artist.htm generated...  "}, {12, 26, "View with Explorer "}}));
    EXPECT_EQ(readCell(t.app.screen, 5, 20), kAttrNormal * 256 + 201);

    for (int r = 0; r < kScreenRows; ++r) {
        setAttribute(t.app.screen, r % 2 ? kAttrHighlight : kAttrNormal);
        putTextAt(t.app.screen, r, 0, std::to_string(r) + std::string(70, '-'));
    }
    const CellGrid before = t.app.screen.cells;
    t.keys.key(kKeyF1).key(kKeyPageDown).key(kKeyUp).text("x").text("z");
    showMessage(t.app);
    EXPECT_EQ(t.app.screen.cells, before);
    EXPECT_EQ(readChar(t.app.screen), 'z');  // left for whoever reads next

    t.app.pagePath = "htm/top00000.htm";
    for (std::string typed : {"y", "Y", "n", "\x1b", "\n", "x"}) {
        t.browserCalls.clear();
        t.keys.key(kKeyF1).key(kKeyDown).text(typed);  // keys that type nothing are not answers
        offerView(t.app);
        EXPECT_EQ(t.keys.pending(), 0u) << typed;
        EXPECT_EQ(t.app.screen.cells, before) << typed;
        decltype(t.browserCalls) expected;
        if (typed == "y" || typed == "Y")
            expected = {{"/usr/bin/fake-browser", t.folder + "htm/top00000.htm"}};
        EXPECT_EQ(t.browserCalls, expected) << typed;
    }

    t.browserCalls.clear();  // an unavailable browser is silently ignored
    t.app.browserProgram.clear();
    openInBrowser(t.app, "index.htm");
    EXPECT_TRUE(t.browserCalls.empty());
}

}  // namespace hv
