// The real program on a real terminal: the terminal given back on every way out,
// and unsaved changes kept when the terminal ends the run.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "sample_folder.h"

namespace hv {

using test::press;

const std::string kTemp = std::filesystem::temp_directory_path().string();

// A crash gives the terminal back, then ends by the signal. SIGKILL cannot be caught: it shows
// that terminalUsable is able to fail.
TEST(TerminalTmux, SignalsGiveTheTerminalBack) {
    HV_REQUIRE_TMUX();
    for (int sig : {SIGHUP, SIGSEGV, SIGKILL}) {
        test::TmuxSession tmux(kTemp, {"--keys"});
        ASSERT_TRUE(tmux.waitFor("(Q) ends.")) << tmux.capture();
        tmux.type("é");  // typed text arrives as a Windows-1252 byte
        EXPECT_TRUE(tmux.waitFor("Character: é  233")) << tmux.capture();
        ASSERT_TRUE(tmux.signal(sig) && tmux.waitForExit()) << tmux.capture();
#if defined(__SANITIZE_ADDRESS__)
        if (sig != SIGSEGV)  // the sanitizer's handler ends a crash with its own status
#endif
            EXPECT_EQ(tmux.exitStatus(), 128 + sig);
        EXPECT_EQ(tmux.terminalUsable(), sig != SIGKILL) << sig << tmux.ttySettingsAfter();
    }
}

// A terminal that cannot place the cursor is refused as an unknown one is.
TEST(TerminalTmux, UnknownOrDumbTerminalTypeEndsWithOneLine) {
    HV_REQUIRE_TMUX();
    for (std::string term : {"no-such-terminal", "dumb"}) {
        test::TmuxSession tmux(kTemp, {"--keys"}, {"TERM=" + term});
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

// SIGHUP, then Q on the notice of an 80 x 24 window, each with an unsaved deletion.
TEST(TerminalTmux, UnsavedChangesAreKeptWhenTheTerminalEndsTheRun) {
    HV_REQUIRE_TMUX();
    test::SampleFolder sample;
    std::string rescued;
    {
        test::TmuxSession tmux(sample.path, {"s"}, sample.environment());
        ASSERT_TRUE(tmux.waitFor("Press a Key...")) << tmux.capture();
        ASSERT_TRUE(press(tmux, "Space", "(E)xplorer"));
        ASSERT_TRUE(press(tmux, "DC", "Delete Song") && press(tmux, "y", "(1)"));
        tmux.sendKeys("F6");  // Maroon 5, now first, is not first on Artist
        ASSERT_TRUE(tmux.waitUntil([&] { return tmux.line(3).find("Maroon 5") > 80; }));
        ASSERT_TRUE(tmux.signal(SIGHUP) && tmux.waitForExit()) << tmux.capture();
        EXPECT_EQ(tmux.exitStatus(), 128 + SIGHUP);
        rescued = sample.file("mysongs.txt.save");
        std::filesystem::remove(sample.path + "/mysongs.txt.save");
    }
    test::TmuxSession tmux(sample.path, {"s"}, sample.environment());
    ASSERT_TRUE(press(tmux, "Space", "(E)xplorer"));
    ASSERT_TRUE(press(tmux, "DC", "Delete Song") && press(tmux, "y", "(1)"));
    ASSERT_TRUE(press(tmux, "F4", "Save Changes to"));
    tmux.sendKeys("y");
    ASSERT_TRUE(tmux.waitForGone("(1)")) << tmux.capture();
    EXPECT_EQ(sample.file("mysongs.txt"), rescued);  // the bytes F4 writes, in ranking order
    ASSERT_TRUE(press(tmux, "DC", "Delete Song") && press(tmux, "y", "(1)"));
    tmux.resize(80, 24);
    ASSERT_TRUE(press(tmux, "q", "Unsaved changes kept in mysongs.txt.save"));
    ASSERT_TRUE(tmux.waitForExit()) << tmux.capture();
    EXPECT_EQ(tmux.exitStatus(), 0);
    EXPECT_TRUE(tmux.terminalUsable() &&
                std::filesystem::exists(sample.path + "/mysongs.txt.save"));
}

// xterm's F6 reaches the sort through a vt100 description; a save beyond the
// file-size limit fails instead of ending the program.
TEST(TerminalTmux, Vt100FunctionKeysAndAFileSizeLimit) {
    HV_REQUIRE_TMUX();
    test::TempFolder folder;
    folder.writeFile("mysongs.txt", test::numberedList(60));  // saved, it grows past 4096 bytes
    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit limited{4096, before.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    test::TmuxSession tmux(folder.folder, {"s"}, {"TERM=vt100"});  // inherits the limit
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &before), 0);
    ASSERT_TRUE(tmux.waitFor("Press a Key...")) << tmux.capture();
    ASSERT_TRUE(press(tmux, "Space", "   2. Artist 2 "));
    ASSERT_TRUE(press(tmux, "F6", "   2. Artist 10 "));
    ASSERT_TRUE(press(tmux, "F4", "Save Changes to") && press(tmux, "y", "List NOT saved"));
    EXPECT_EQ(folder.readFile("mysongs.txt"), test::numberedList(60));
    EXPECT_EQ(tmux.exitStatus(), -1);  // still running
}

}  // namespace hv
