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

// Starts the program on in/out (out < 0: the stderr pipe), in a session without a controlling
// terminal so a closed terminal makes reads fail; gives its pid and the stderr pipe.
std::pair<pid_t, int> start(int in, int out, const char* arg) {
    int errPipe[2];
    if (::pipe2(errPipe, O_CLOEXEC) != 0) return {-1, -1};
    pid_t child = ::fork();
    if (child == 0) {
        ::setsid();
        ::dup2(in, STDIN_FILENO);
        ::dup2(out < 0 ? errPipe[1] : out, STDOUT_FILENO);
        ::dup2(errPipe[1], STDERR_FILENO);
        ::setenv("TERM", "xterm", 1);
        ::execl(HITVAULT_BINARY, HITVAULT_BINARY, arg, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(errPipe[1]);
    return {child, errPipe[0]};
}

// Its exit status (-1 when still running after 20 seconds) and stderr.
std::pair<int, std::string> finish(std::pair<pid_t, int> started) {
    auto [pid, errPipe] = started;
    if (pid <= 0) return {-2, "could not start the program"};
    std::string errors = drain(errPipe, 20);
    ::close(errPipe);
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, errors};
}

}  // namespace

TEST(TerminalFailure, AFailedConsoleEndsTheProgramWithOneLineAndStatusOne) {
    int null = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    ASSERT_GE(null, 0);
    auto [status, output] = finish(start(null, -1, nullptr));
    ::close(null);
    EXPECT_EQ(status, 1);  // input that is not a terminal
    EXPECT_EQ(output.rfind("hitvault: console failure in openScreen", 0), 0u) << output;
    EXPECT_EQ(output.find('\n'), output.size() - 1) << output;

    int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_TRUE(master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0);
    winsize size{25, 80, 0, 0};
    ::ioctl(master, TIOCSWINSZ, &size);
    int slave = ::open(::ptsname(master), O_RDWR | O_NOCTTY | O_CLOEXEC);  // closed while read
    ASSERT_GE(slave, 0);
    auto started = start(slave, slave, "--keys");
    ::close(slave);
    EXPECT_NE(drain(master, 10, "(Q) ends.").find("key codes"), std::string::npos);
    ::close(master);
    auto [code, errors] = finish(started);
    EXPECT_EQ(code, 1);
    EXPECT_EQ(errors, "hitvault: console failure in waitKey: input cannot be read\n");
}

}  // namespace hv
