// The main list's key table: each key reaches its command; others are left untouched.
#include "console/main_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "support/test_app.h"

namespace hv {

// With no key queued, a screen or prompt is left waiting, showing its text; E opens the index
// page without waiting.
TEST(MainCommands, KeysOpenTheirScreenPromptOrPage) {
    const std::pair<int, const char*> cases[] = {
        {kKeyF10, "Configuration"},
        {'I', "File to Import"},
        {'L', "Type Max. No. Songs to Import"},
        {'E', nullptr},
    };
    for (auto [key, shown] : cases) {
        test::TestApp t;
        decltype(t.browserCalls) browser;
        if (shown) {
            EXPECT_THROW(runCommandKey(t.app, key), ScriptExhausted) << shown;
            EXPECT_NE(t.screen().find(shown), std::string::npos) << t.screen();
        } else {
            EXPECT_TRUE(runCommandKey(t.app, key));
            browser = {{t.app.browserProgram, t.folder + "index.htm"}};
        }
        EXPECT_EQ(t.browserCalls, browser) << key;
    }
}

// With "q" queued, F10 opens and closes its screen; a key without a command reads no key and
// leaves the screen as it was.
TEST(MainCommands, ConfigurationClosesWithQAndOtherKeysDoNothing) {
    for (int key : {int(kKeyF10), int('Z'), int(kKeyTab), int(kKeyEscape)}) {
        test::TestApp t;
        t.keys.text("q");
        for (auto& row : t.app.screen.cells) row.fill(Cell{'.'});
        const std::string before = t.screen();
        EXPECT_EQ(runCommandKey(t.app, key), key == kKeyF10) << key;
        EXPECT_EQ(t.keys.pending(), key == kKeyF10 ? 0u : 1u) << key;
        EXPECT_EQ(t.screen(), before) << key;
        EXPECT_TRUE(t.browserCalls.empty()) << key;
    }
}

}  // namespace hv
