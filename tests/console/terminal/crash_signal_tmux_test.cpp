// A crash must give the terminal back, then end the program by the signal.
#include <gtest/gtest.h>

#include <csignal>
#include <string>

#include "console/sample_folder.h"

namespace hv {

using test::press;

TEST(CrashSignalTmux, SegmentationFaultGivesTheTerminalBackAndEndsTheProgram) {
    HV_REQUIRE_TMUX();
    test::SampleFolder sample;
    test::TmuxSession tmux(sample.path, {"x"}, sample.environment());
    ASSERT_TRUE(tmux.waitFor("Press a Key...")) << tmux.capture();
    ASSERT_TRUE(press(tmux, "Space", "(E)xplorer"));

    ASSERT_TRUE(tmux.signal(SIGSEGV));
    ASSERT_TRUE(tmux.waitForExit()) << "still running after the signal:\n" << tmux.capture();
    EXPECT_TRUE(tmux.terminalUsable()) << tmux.ttySettingsAfter();
#if defined(__SANITIZE_ADDRESS__)
    // The sanitizer's handler ends with its own status.
    EXPECT_EQ(tmux.exitStatus(), 1) << tmux.capture();
#else
    // The default action: the shell reports the signal (a plain exit 139 would not).
    EXPECT_EQ(tmux.exitStatus(), 128 + SIGSEGV);
    EXPECT_NE(tmux.capture().find("Segmentation fault"), std::string::npos) << tmux.capture();
#endif
}

}  // namespace hv
