// The main list's key table: each key reaches its own command, and a key
// with no command is left to the caller untouched.
#include "console/main_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "support/test_app.h"

namespace hv {

namespace {

// A screen of dots, so that what a command leaves behind shows.
std::string dottedScreen(test::TestApp& t) {
    for (auto& row : t.app.screen.cells) row.fill(Cell{'.'});
    return t.screen();
}

}  // namespace

// Keys that open a screen or a prompt: with no key queued, it is left waiting
// for one, showing its text.
TEST(MainCommands, KeysOpenTheirScreenOrPrompt) {
    const std::pair<int, const char*> cases[] = {
        {kKeyF10, "Configuration"},
        {'I', "File to Import"},
        {'L', "Type Max. No. Songs to Import"},
    };
    for (auto [key, shown] : cases) {
        test::TestApp t;
        EXPECT_THROW(runCommandKey(t.app, key), ScriptExhausted) << shown;
        EXPECT_NE(t.screen().find(shown), std::string::npos) << t.screen();
        EXPECT_TRUE(t.browserCalls.empty()) << shown;
    }
}

TEST(MainCommands, ConfigurationClosesWithQ) {
    test::TestApp t;
    const std::string before = dottedScreen(t);
    t.keys.text("q");
    EXPECT_TRUE(runCommandKey(t.app, kKeyF10));
    EXPECT_EQ(t.keys.pending(), 0u);
    EXPECT_EQ(t.screen(), before);
}

TEST(MainCommands, EOpensTheIndexPageInTheBrowser) {
    test::TestApp t;
    EXPECT_TRUE(runCommandKey(t.app, 'E'));
    ASSERT_EQ(t.browserCalls.size(), 1u);
    EXPECT_EQ(t.browserCalls[0].first, t.app.browserProgram);
    EXPECT_EQ(t.browserCalls[0].second, t.folder + "index.htm");
}

// The main list draws itself again after any key; a key without a command
// must not read further keys nor start anything.
TEST(MainCommands, AKeyWithoutCommandDoesNothing) {
    for (int key : {int('Z'), int(kKeyTab), int(kKeyEscape)}) {
        test::TestApp t;
        t.keys.text("q");
        const std::string before = dottedScreen(t);
        EXPECT_FALSE(runCommandKey(t.app, key)) << key;
        EXPECT_EQ(t.keys.pending(), 1u) << key;
        EXPECT_EQ(t.screen(), before) << key;
        EXPECT_TRUE(t.browserCalls.empty()) << key;
    }
}

}  // namespace hv
