// The real program when its console fails must end with one line and status 1, never spin.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <string>

namespace hv {

namespace {

// Reads fd for up to `seconds`, until `until` arrives or the end (drained so writes never block).
std::string drain(int fd, int seconds, const std::string& until = "") {
    std::string text;
    pollfd p{fd, POLLIN, 0};
    char buffer[4096];
    for (int i = 0; i < seconds * 50 && (until.empty() || text.find(until) == std::string::npos);
         ++i) {
        if (::poll(&p, 1, 20) <= 0) continue;
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) break;
        text.append(buffer, static_cast<size_t>(n));
    }
    return text;
}

// Runs the program on `tty` without a controlling terminal (so a closed one makes reads fail)
// while `during` runs; gives its exit status (-1 if still running after 20 s) and stderr.
template <typename During>
std::pair<int, std::string> run(int tty, During during) {
    int errPipe[2];
    if (::pipe2(errPipe, O_CLOEXEC) != 0) return {-2, "no pipe"};
    pid_t child = ::fork();
    if (child == 0) {
        ::setsid();
        ::dup2(tty, STDIN_FILENO);
        ::dup2(tty, STDOUT_FILENO);
        ::dup2(errPipe[1], STDERR_FILENO);
        ::setenv("TERM", "xterm", 1);
        ::execl(HITVAULT_BINARY, HITVAULT_BINARY, "--keys", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(errPipe[1]);
    during();
    std::string errors = drain(errPipe[0], 20);
    ::close(errPipe[0]);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, errors};
}

}  // namespace

TEST(TerminalFailure, AFailedConsoleEndsTheProgramWithOneLineAndStatusOne) {
    int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_TRUE(master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0);
    winsize size{25, 80, 0, 0};
    ::ioctl(master, TIOCSWINSZ, &size);
    int slave = ::open(::ptsname(master), O_RDWR | O_NOCTTY | O_CLOEXEC);  // closed while read
    auto [code, errors] = run(slave, [&] {
        ::close(slave);
        EXPECT_NE(drain(master, 10, "(Q) ends.").find("key codes"), std::string::npos);
        ::close(master);
    });
    EXPECT_EQ(code, 1);
    EXPECT_EQ(errors, "hitvault: console failure in waitKey: input cannot be read\n");
}

}  // namespace hv
