// An unusable or failing terminal: one line, status 1, no spinning, settings as they were.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <string>
#include <tuple>
#include <utility>

#include "support/temp_folder.h"

namespace hv {

TEST(TerminalFailure, EndsWithOneLineAndStatusOne) {
    // TERM, whether the console is closed once the program waits for a key, the line.
    const std::tuple<std::string, bool, std::string> cases[] = {
        {"xterm", true, "waitKey: input cannot be read"},
        {"dumb", false, "openScreen: unknown terminal type \"dumb\""}};  // cannot place the cursor
    for (const auto& [term, closeConsole, line] : cases) {
        test::TempFolder f;
        int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        ASSERT_TRUE(master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0);
        winsize size{25, 80, 0, 0};
        ::ioctl(master, TIOCSWINSZ, &size);
        const std::string tty = ::ptsname(master), errors = f.folder + "errors";
        int slave = ::open(tty.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        termios before{}, after{};
        ::tcgetattr(slave, &before);
        pid_t child = ::fork();
        if (child == 0) {
            // No controlling terminal: a closed one then makes reads fail instead of hanging up.
            ::setsid();
            int err = ::open(errors.c_str(), O_WRONLY | O_CREAT, 0600);
            ::dup2(slave, STDIN_FILENO);
            ::dup2(slave, STDOUT_FILENO);
            ::dup2(err, STDERR_FILENO);
            ::setenv("TERM", term.c_str(), 1);
            ::execl(HITVAULT_BINARY, HITVAULT_BINARY, "--keys", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        if (closeConsole) ::close(std::exchange(slave, -1));
        // The screen is read (so that writes never block) until the program ends.
        std::string shown;
        char buffer[4096];
        int status = 0;
        pid_t ended = 0;
        for (int i = 0; i < 1000 && (ended = ::waitpid(child, &status, WNOHANG)) == 0; ++i) {
            pollfd p{master, POLLIN, 0};
            ssize_t n = ::poll(&p, 1, 20) > 0 ? ::read(master, buffer, sizeof buffer) : 0;
            if (n > 0) shown.append(buffer, static_cast<size_t>(n));
            if (closeConsole && master >= 0 && shown.find("(Q) ends.") != std::string::npos)
                ::close(std::exchange(master, -1));
        }
        if (ended == 0 && ::kill(child, SIGKILL) == 0) ::waitpid(child, &status, 0);
        EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1) << term;
        EXPECT_EQ(f.readFile("errors"), "hitvault: console failure in " + line + "\n");
        if (slave >= 0) {
            ::tcgetattr(slave, &after);
            EXPECT_EQ(std::tie(after.c_iflag, after.c_oflag, after.c_lflag),
                      std::tie(before.c_iflag, before.c_oflag, before.c_lflag))
                << term;
            ::close(slave);
            ::close(master);
        }
    }
}

}  // namespace hv
