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

// A crash gives the terminal back, then ends by the signal (a hang-up: below).
TEST(TerminalTmux, ACrashGivesTheTerminalBack) {
    HV_REQUIRE_TMUX();
    test::TmuxSession tmux(std::filesystem::temp_directory_path().string(), {"--keys"});
    ASSERT_TRUE(tmux.waitFor("(Q) ends.")) << tmux.capture();
    tmux.type("é");  // typed text arrives as a Windows-1252 byte
    EXPECT_TRUE(tmux.waitFor("Character: é  233")) << tmux.capture();
    ASSERT_TRUE(tmux.signal(SIGSEGV) && tmux.waitForExit()) << tmux.capture();
#if !defined(__SANITIZE_ADDRESS__)  // the sanitizer's handler ends a crash with its own status
    EXPECT_EQ(tmux.exitStatus(), 128 + SIGSEGV);
#endif
    EXPECT_TRUE(tmux.terminalUsable()) << tmux.ttySettingsAfter();
}

// SIGHUP, or Q on an 80 x 24 window's notice, with an unsaved deletion: the rescue copy is written.
TEST(TerminalTmux, UnsavedChangesAreKeptWhenTheTerminalEndsTheRun) {
    HV_REQUIRE_TMUX();
    test::SampleFolder sample;
    for (bool hangUp : {true, false}) {
        test::TmuxSession tmux(sample.path, {"s"}, sample.environment());
        ASSERT_TRUE(press(tmux, "Space", "(E)xplorer"));
        ASSERT_TRUE(press(tmux, "DC", "Delete Song") && press(tmux, "y", "(1)"));
        if (hangUp) {
            ASSERT_TRUE(tmux.signal(SIGHUP)) << tmux.capture();
        } else {
            tmux.resize(80, 24);
            ASSERT_TRUE(press(tmux, "q", "Unsaved changes kept in mysongs.txt.save"));
        }
        ASSERT_TRUE(tmux.waitForExit()) << tmux.capture();
        EXPECT_EQ(tmux.exitStatus(), hangUp ? 128 + SIGHUP : 0);
        EXPECT_TRUE(tmux.terminalUsable()) << tmux.ttySettingsAfter();
        EXPECT_TRUE(std::filesystem::remove(sample.path + "/mysongs.txt.save")) << hangUp;
    }
}

// F6 on vt100; a save beyond the file-size limit fails instead of ending the program.
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
