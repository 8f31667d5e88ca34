// The real program on a real terminal when it crashes: the terminal must be
// given back before the crash takes its course, or the user's shell is left
// raw, without echo and inside the alternate screen.
#include <gtest/gtest.h>

#include <csignal>
#include <string>

#include "console/sample_folder.h"

namespace hv {

using test::press;

// A crash signal sent from outside has no faulting instruction to run again:
// the program must still end by it, not carry on without its terminal.
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
    // The sanitizer's handler, which the program's own one hands over to,
    // reports the crash and ends with its own status.
    EXPECT_EQ(tmux.exitStatus(), 1) << tmux.capture();
#else
    // The default action: the shell reports the signal, which a plain exit
    // with status 139 would not make it do.
    EXPECT_EQ(tmux.exitStatus(), 128 + SIGSEGV);
    EXPECT_NE(tmux.capture().find("Segmentation fault"), std::string::npos) << tmux.capture();
#endif
}

}  // namespace hv
