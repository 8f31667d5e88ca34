#include "console/system_environment.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <string_view>
#include <vector>

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

std::string chooseBrowser(const char* browserVariable, const char* pathVariable) {
    // $BROWSER may list several programs separated by colons; the first is used.
    if (browserVariable && *browserVariable) {
        std::string_view list = browserVariable;
        std::string first(list.substr(0, list.find(':')));
        if (!first.empty()) return first;
    }
    std::string_view path = pathVariable ? pathVariable : "";
    for (;;) {
        size_t end = path.find(':');
        std::string_view dir = path.substr(0, end);
        std::string candidate = dir.empty() ? std::string(".") : std::string(dir);
        candidate += "/xdg-open";
        struct stat st;
        if (::stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
            ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
        if (end == std::string_view::npos) break;
        path.remove_prefix(end + 1);
    }
    return "";
}

std::string currentFolder() {
    std::vector<char> buffer(4096);
    while (!::getcwd(buffer.data(), buffer.size())) {
        if (buffer.size() > (1u << 20)) {
            buffer.assign(2, '\0');
            buffer[0] = '.';
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
    std::string folder = buffer.data();
    if (folder.empty() || folder.back() != '/') folder.push_back('/');
    return folder;
}

void findBrowser(App& app) {
    app.env.workingFolder = currentFolder();
    app.browserProgram = chooseBrowser(std::getenv("BROWSER"), std::getenv("PATH"));
}

Environment systemEnvironment() {
    Environment env;
    env.currentYear = currentYear();
    env.startBrowser = startDetached;
    env.runCommand = runQuietCommand;
    return env;
}

}  // namespace hv
