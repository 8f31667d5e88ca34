// The main list's key table: each key reaches its command; others are left untouched.
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

// With no key queued, a screen or prompt is left waiting, showing its text.
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

TEST(MainCommands, EOpensTheIndexPageInTheBrowser) {
    test::TestApp t;
    EXPECT_TRUE(runCommandKey(t.app, 'E'));
    EXPECT_EQ(t.browserCalls,
              (decltype(t.browserCalls){{t.app.browserProgram, t.folder + "index.htm"}}));
}

// With "q" queued, F10 opens and closes its screen; a key without a command reads no key.
TEST(MainCommands, ConfigurationClosesWithQAndOtherKeysDoNothing) {
    for (int key : {int(kKeyF10), int('Z'), int(kKeyTab), int(kKeyEscape)}) {
        test::TestApp t;
        t.keys.text("q");
        const std::string before = dottedScreen(t);
        EXPECT_EQ(runCommandKey(t.app, key), key == kKeyF10) << key;
        EXPECT_EQ(t.keys.pending(), key == kKeyF10 ? 0u : 1u) << key;
        EXPECT_EQ(t.screen(), before) << key;
        EXPECT_TRUE(t.browserCalls.empty()) << key;
    }
}

}  // namespace hv
