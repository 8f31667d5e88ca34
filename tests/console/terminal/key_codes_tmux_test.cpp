// The real program on a real terminal: key codes, and the terminal given back on every way out.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "support/tmux_session.h"

namespace hv {

static std::string tempFolder() {
    return std::filesystem::temp_directory_path().string();
}

TEST(TerminalKeys, EachKeyArrivesWithItsCodeAlsoAfterAResizeAndQEnds) {
    HV_REQUIRE_TMUX();
    test::TmuxSession tmux(tempFolder(), {"--keys"});
    ASSERT_TRUE(tmux.waitFor("(Q) ends.")) << tmux.capture();
    EXPECT_NE(tmux.line(5).find("╔═══"), std::string::npos) << tmux.capture();

    const std::pair<const char*, int> keys[] = {
        {"F1", 112}, {"F10", 121}, {"F12", 123}, {"NPage", 34}, {"Home", 36},  {"IC", 45},
        {"DC", 46},  {"KP+", 107}, {"A", 65},    {"KP-", 109},  {"PPage", 33}, {"End", 35},
        {"Up", 38},  {"Down", 40}, {"Left", 37}, {"Right", 39}};
    for (auto [tmuxKey, code] : keys) {
        tmux.sendKeys(tmuxKey);
        EXPECT_TRUE(tmux.waitFor("Key code: " + std::to_string(code) + " ")) << tmuxKey << "\n"
                                                                             << tmux.capture();
    }
    // The last eight presses: no escape sequence arrived as several keys.
    EXPECT_TRUE(tmux.waitFor(" 39 37 40 38 35 33 109 65 ")) << tmux.capture();

    tmux.type("é");
    EXPECT_TRUE(tmux.waitFor("Character: é  233")) << tmux.capture();

    // Too small a window shows a notice and ignores keys other than Q.
    tmux.resize(70, 20);
    EXPECT_TRUE(tmux.waitFor("Please make this window at least 80 x 25")) << tmux.capture();
    EXPECT_TRUE(tmux.waitFor("(it is now 70 x 20)  Q quits")) << tmux.capture();
    tmux.sendKeys("x");
    tmux.resize(100, 30);
    EXPECT_TRUE(tmux.waitFor("(Q) ends.")) << tmux.capture();
    tmux.sendKeys("F2");
    EXPECT_TRUE(tmux.waitFor("Key code: 113 ")) << tmux.capture();

    tmux.sendKeys("q");
    ASSERT_TRUE(tmux.waitForExit()) << tmux.capture();
    EXPECT_EQ(tmux.exitStatus(), 0);
    EXPECT_TRUE(tmux.terminalUsable()) << tmux.ttySettingsAfter();
}

// SIGKILL cannot be caught: it shows that terminalUsable is able to fail.
TEST(TerminalKeys, SignalsGiveTheTerminalBack) {
    HV_REQUIRE_TMUX();
    for (int sig : {SIGTERM, SIGHUP, SIGINT, SIGUSR1, SIGALRM, SIGKILL}) {
        test::TmuxSession tmux(tempFolder(), {"--keys"});
        ASSERT_TRUE(tmux.waitFor("(Q) ends.")) << tmux.capture();
        ASSERT_TRUE(tmux.signal(sig));
        ASSERT_TRUE(tmux.waitForExit()) << tmux.capture();
        EXPECT_EQ(tmux.exitStatus(), 128 + sig);
        EXPECT_EQ(tmux.terminalUsable(), sig != SIGKILL) << sig << tmux.ttySettingsAfter();
    }
}

// A terminal that cannot place the cursor is refused as an unknown one is.
TEST(TerminalKeys, UnknownOrDumbTerminalTypeEndsWithOneLine) {
    HV_REQUIRE_TMUX();
    for (std::string term : {"no-such-terminal", "dumb"}) {
        test::TmuxSession tmux(tempFolder(), {"--keys"}, {"TERM=" + term});
        ASSERT_TRUE(tmux.waitForExit()) << tmux.capture();
        EXPECT_EQ(tmux.exitStatus(), 1) << term;
        std::string screen = tmux.capture(), joined = screen;
        std::erase(joined, '\n');  // the line is longer than the pane is wide
        EXPECT_NE(joined.find("failure in openScreen: unknown terminal type \"" + term + "\""),
                  std::string::npos)
            << screen;
        EXPECT_EQ(screen.find("hitvault-exit=1"), screen.find("\nhitvault-exit") + 1) << screen;
        EXPECT_TRUE(tmux.terminalUsable()) << term;
    }
}

}  // namespace hv
