#include "console/system_environment.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <ctime>

namespace hv {

namespace {

void quietStandardStreams() {
    int null = ::open("/dev/null", O_RDWR);
    if (null < 0) return;
    ::dup2(null, STDIN_FILENO);
    ::dup2(null, STDOUT_FILENO);
    ::dup2(null, STDERR_FILENO);
    if (null > STDERR_FILENO) ::close(null);
}

int currentYear() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_year + 1900;
}

}  // namespace

void startDetached(const std::string& program, const std::string& argument) {
    pid_t child = ::fork();
    if (child < 0) return;
    if (child == 0) {
        // The grandchild runs the browser; the child ends at once so the
        // browser is never our zombie.
        ::setsid();
        pid_t grandchild = ::fork();
        if (grandchild == 0) {
            quietStandardStreams();
            const char* argv[] = {program.c_str(), argument.c_str(), nullptr};
            ::execvp(program.c_str(), const_cast<char* const*>(argv));
            ::_exit(127);
        }
        ::_exit(0);
    }
    int status;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
}

void runQuietCommand(const std::string& command) {
    pid_t child = ::fork();
    if (child < 0) return;
    if (child == 0) {
        quietStandardStreams();
        const char* argv[] = {"/bin/sh", "-c", command.c_str(), nullptr};
        ::execv("/bin/sh", const_cast<char* const*>(argv));
        ::_exit(127);
    }
    int status;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
}

Environment systemEnvironment() {
    Environment env;
    env.currentYear = currentYear();
    env.startBrowser = startDetached;
    env.runCommand = runQuietCommand;
    return env;
}

}  // namespace hv
