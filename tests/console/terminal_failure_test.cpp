// The real program on a pseudo-terminal whose other end goes away: keyboard
// input can no longer be read, and the program must end instead of spinning.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>

namespace hv {

namespace {

// Reads what arrives on fd for a while, or until `until` has arrived; the
// terminal's output must be drained or the program would block writing to it.
std::string drain(int fd, int milliseconds, const std::string& until = "") {
    std::string text;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0) continue;
        char buffer[4096];
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) break;
        text.append(buffer, static_cast<size_t>(n));
        if (!until.empty() && text.find(until) != std::string::npos) break;
    }
    return text;
}

}  // namespace

TEST(TerminalFailure, UnreadableInputEndsTheProgramWithStatusOne) {
    int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    std::string slaveName = ::ptsname(master);
    winsize size{25, 80, 0, 0};
    ::ioctl(master, TIOCSWINSZ, &size);
    int errPipe[2];
    ASSERT_EQ(::pipe(errPipe), 0);

    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // A session of its own without a controlling terminal: closing the
        // other end then makes reads fail rather than sending a hangup.
        ::setsid();
        int slave = ::open(slaveName.c_str(), O_RDWR | O_NOCTTY);
        if (slave < 0) ::_exit(120);
        ::dup2(slave, STDIN_FILENO);
        ::dup2(slave, STDOUT_FILENO);
        ::dup2(errPipe[1], STDERR_FILENO);
        ::close(master);
        ::close(errPipe[0]);
        ::setenv("TERM", "xterm", 1);
        ::execl(HITVAULT_BINARY, HITVAULT_BINARY, "--keys", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(errPipe[1]);
    std::string shown = drain(master, 10000, "(Q) ends.");
    EXPECT_NE(shown.find("key codes"), std::string::npos);
    ::close(master);

    auto started = std::chrono::steady_clock::now();
    int status = 0;
    pid_t done = 0;
    while ((done = ::waitpid(child, &status, WNOHANG)) == 0 &&
           std::chrono::steady_clock::now() - started < std::chrono::seconds(20))
        ::usleep(20000);
    if (done == 0) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        FAIL() << "the program kept running with unreadable input";
    }
    std::string errors = drain(errPipe[0], 200);
    ::close(errPipe[0]);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(errors, "hitvault: console failure in waitKey: input cannot be read\n");
}

}  // namespace hv
