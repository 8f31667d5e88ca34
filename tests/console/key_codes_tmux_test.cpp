// The real program on a real terminal (tmux, 80 x 25): the key codes that
// arrive, and the terminal given back on every way out.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "support/tmux_session.h"

namespace hv {

namespace {

struct KeyCase {
    const char* tmuxKey;
    int code;
};

std::string tempFolder() {
    return std::filesystem::temp_directory_path().string();
}

// Runs the program without a terminal: stdin from /dev/null, stdout and
// stderr into a pipe. Returns the exit status and what it printed.
std::pair<int, std::string> runWithoutTerminal(const std::vector<std::string>& environment) {
    int fds[2];
    if (::pipe(fds) != 0) return {-1, ""};
    pid_t child = ::fork();
    if (child == 0) {
        int null = ::open("/dev/null", O_RDONLY);
        ::dup2(null, STDIN_FILENO);
        ::dup2(fds[1], STDOUT_FILENO);
        ::dup2(fds[1], STDERR_FILENO);
        ::close(fds[0]);
        for (const std::string& e : environment) ::putenv(const_cast<char*>(e.c_str()));
        ::execl(HITVAULT_BINARY, HITVAULT_BINARY, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(fds[1]);
    std::string output;
    char buffer[512];
    ssize_t n;
    while ((n = ::read(fds[0], buffer, sizeof buffer)) > 0) output.append(buffer, n);
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

}  // namespace

TEST(TerminalKeys, EachKeyArrivesWithItsCodeAndQEnds) {
    HV_REQUIRE_TMUX();
    test::TmuxSession tmux(tempFolder(), {"--keys"});
    ASSERT_TRUE(tmux.waitFor("(Q) ends.")) << tmux.capture();
    // The frame is drawn with box-drawing characters.
    EXPECT_NE(tmux.line(5).find("╔═══"), std::string::npos) << tmux.capture();

    const KeyCase keys[] = {{"F1", 112},  {"F10", 121}, {"F12", 123},  {"NPage", 34},
                            {"Home", 36}, {"IC", 45},   {"DC", 46},    {"KP+", 107},
                            {"A", 65},    {"KP-", 109}, {"PPage", 33}, {"End", 35}};
    for (const KeyCase& k : keys) {
        tmux.sendKeys(k.tmuxKey);
        std::string expected = "Key code: " + std::to_string(k.code) + " ";
        EXPECT_TRUE(tmux.waitFor(expected)) << k.tmuxKey << "\n" << tmux.capture();
        // Clear the line so the next key is seen on its own.
        tmux.sendKeys("Space");
        ASSERT_TRUE(tmux.waitFor("Key code: 32 ")) << tmux.capture();
    }

    // A typed accented letter arrives as its Windows-1252 byte and is shown.
    tmux.type("é");
    EXPECT_TRUE(tmux.waitFor("Character: é  233")) << tmux.capture();

    tmux.sendKeys("q");
    ASSERT_TRUE(tmux.waitForExit()) << tmux.capture();
    EXPECT_EQ(tmux.exitStatus(), 0);
    EXPECT_TRUE(tmux.terminalUsable()) << tmux.ttySettingsAfter();
    EXPECT_TRUE(tmux.waitFor("hitvault-exit=0"));
}

TEST(TerminalKeys, SignalsGiveTheTerminalBack) {
    HV_REQUIRE_TMUX();
    for (int sig : {SIGTERM, SIGHUP, SIGINT}) {
        test::TmuxSession tmux(tempFolder(), {"--keys"});
        ASSERT_TRUE(tmux.waitFor("(Q) ends.")) << tmux.capture();
        ASSERT_TRUE(tmux.signal(sig));
        ASSERT_TRUE(tmux.waitForExit()) << tmux.capture();
        EXPECT_EQ(tmux.exitStatus(), 128 + sig);
        EXPECT_TRUE(tmux.terminalUsable()) << tmux.ttySettingsAfter();
    }
}

TEST(TerminalKeys, WindowTooSmallShowsANoticeAndIgnoresKeys) {
    HV_REQUIRE_TMUX();
    test::TmuxSession tmux(tempFolder(), {"--keys"});
    ASSERT_TRUE(tmux.waitFor("(Q) ends.")) << tmux.capture();
    tmux.resize(70, 20);
    EXPECT_TRUE(tmux.waitFor("Please make this window at least 80 x 25")) << tmux.capture();
    tmux.sendKeys("q");  // ignored: it was meant for a screen the user cannot see
    tmux.resize(100, 30);
    EXPECT_TRUE(tmux.waitFor("(Q) ends.")) << tmux.capture();
    EXPECT_EQ(tmux.line(0), "HITVAULT Statistics - key codes");
    EXPECT_EQ(tmux.exitStatus(), -1);
    tmux.sendKeys("F2");
    EXPECT_TRUE(tmux.waitFor("Key code: 113 ")) << tmux.capture();
    tmux.sendKeys("q");
    ASSERT_TRUE(tmux.waitForExit());
    EXPECT_EQ(tmux.exitStatus(), 0);
}

TEST(TerminalKeys, NoUsableTerminalEndsWithOneLine) {
    // Standard input is not a terminal.
    auto [status, output] = runWithoutTerminal({"TERM=xterm"});
    EXPECT_EQ(status, 1);
    EXPECT_EQ(output.rfind("hitvault: console failure in openScreen", 0), 0u) << output;
    EXPECT_EQ(output.find('\n'), output.size() - 1) << output;

    // A terminal type nobody knows.
    HV_REQUIRE_TMUX();
    test::TmuxSession tmux(tempFolder(), {"--keys"}, {"TERM=no-such-terminal"});
    ASSERT_TRUE(tmux.waitForExit()) << tmux.capture();
    EXPECT_EQ(tmux.exitStatus(), 1);
    std::string screen = tmux.capture();
    EXPECT_NE(screen.find("hitvault: console failure in openScreen: unknown terminal type"),
              std::string::npos)
        << screen;
    EXPECT_EQ(screen.find("hitvault-exit=1"), screen.find("\nhitvault-exit") + 1) << screen;
    EXPECT_TRUE(tmux.terminalUsable());
}

}  // namespace hv

namespace hv {

// The harness's own check must be able to fail: a program killed outright
// leaves the terminal raw, and terminalUsable says so.
TEST(TmuxHarness, KilledProgramLeavesTheTerminalUnusable) {
    HV_REQUIRE_TMUX();
    test::TmuxSession tmux(std::filesystem::temp_directory_path().string(), {"--keys"});
    ASSERT_TRUE(tmux.waitFor("(Q) ends.")) << tmux.capture();
    ASSERT_TRUE(tmux.signal(SIGKILL));
    ASSERT_TRUE(tmux.waitForExit());
    EXPECT_EQ(tmux.exitStatus(), 128 + SIGKILL);
    EXPECT_FALSE(tmux.terminalUsable());
    EXPECT_NE(tmux.ttySettingsAfter().find("-icanon"), std::string::npos);
}

}  // namespace hv
