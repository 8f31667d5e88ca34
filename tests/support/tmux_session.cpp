#include "support/tmux_session.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace hv::test {

namespace {

std::string shellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted.push_back(c);
    }
    return quoted + "'";
}

bool onPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::string_view rest = path ? path : "/usr/bin:/bin";
    for (;;) {
        size_t end = rest.find(':');
        std::string dir(rest.substr(0, end));
        if (dir.empty()) dir = ".";
        if (::access((dir + "/" + program).c_str(), X_OK) == 0) return true;
        if (end == std::string_view::npos) return false;
        rest.remove_prefix(end + 1);
    }
}

std::string makeScratchFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "hitvault-tmux-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (!::mkdtemp(name.data())) throw std::runtime_error("cannot create a temporary folder");
    return name.data();
}

std::string uniqueSocketName() {
    static std::atomic<int> counter{0};
    auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    return "hvtest-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
           std::to_string(now % 1000000007);
}

void sleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// A sanitizer build starts and runs several times slower; a wait that passes
// returns as soon as it sees its text, so a longer limit costs nothing.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kSlowdown = 4;
#else
constexpr int kSlowdown = 1;
#endif

std::chrono::steady_clock::time_point deadlineAfter(int timeoutMs) {
    return std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs * kSlowdown);
}

bool hasToken(const std::string& text, const std::string& token) {
    std::istringstream in(text);
    std::string word;
    while (in >> word)
        if (word == token) return true;
    return false;
}

// The pane's script: start the program in the folder with its own pid
// recorded, then note the exit status and the tty settings, and stay alive so
// the pane can still be captured.
std::string paneScript(const std::string& scratch, const std::string& folder,
                       const std::vector<std::string>& args,
                       const std::vector<std::string>& environment) {
    std::string binary = HITVAULT_BINARY;
    std::string command = shellQuote(binary);
    for (const std::string& a : args) command += " " + shellQuote(a);
    const std::string s = shellQuote(scratch);
    std::ostringstream out;
    out << "cd " << shellQuote(folder) << " || { echo 99 > " << s << "/exit-status; exit; }\n"
        << "if infocmp tmux-256color >/dev/null 2>&1; then TERM=tmux-256color; "
        << "else TERM=screen; fi\n"
        << "export TERM\n"
        << "unset TMUX TMUX_PANE\n";
    for (const std::string& setting : environment) out << "export " << shellQuote(setting) << "\n";
    out << "stty -g > " << s << "/tty-before\n"
        << "sh -c 'echo $$ > \"$0\"; shift; exec \"$@\"' " << s << "/pid sh " << command << "\n"
        << "status=$?\n"
        << "stty -g > " << s << "/tty-after\n"
        << "stty -a > " << s << "/stty-after\n"
        << "echo \"$status\" > " << s << "/exit-status.tmp && mv " << s << "/exit-status.tmp " << s
        << "/exit-status\n"
        << "echo \"hitvault-exit=$status\"\n"
        << "stty -a\n"
        << "exec sleep 600\n";
    return out.str();
}

}  // namespace

bool TmuxSession::available() {
    return onPath("tmux");
}

TmuxSession::TmuxSession(const std::string& folder, const std::vector<std::string>& args,
                         const std::vector<std::string>& environment)
    : socket_(uniqueSocketName()), scratch_(makeScratchFolder()) {
    {
        std::ofstream script(scratch_ + "/run.sh");
        script << paneScript(scratch_, folder, args, environment);
        if (!script) throw std::runtime_error("cannot write the pane script");
    }
    Result r = tmux({"new-session", "-d", "-s", "hv", "-x", "80", "-y", "25", "-c", folder,
                     "sh " + shellQuote(scratch_ + "/run.sh")});
    if (r.status != 0) {
        std::error_code ignored;
        std::filesystem::remove_all(scratch_, ignored);
        throw std::runtime_error("tmux new-session failed: " + r.output);
    }
    started_ = true;
    // A detached session keeps the size it was made with only while no client
    // asks otherwise; make that explicit.
    tmux({"set-option", "-t", "hv", "window-size", "manual"});
    tmux({"resize-window", "-t", "hv", "-x", "80", "-y", "25"});
}

TmuxSession::~TmuxSession() {
    if (started_) {
        if (exitStatus() < 0) signal(SIGKILL);
        tmux({"kill-server"});
        // A server that was killed rather than ended leaves its socket behind.
        const char* dir = std::getenv("TMUX_TMPDIR");
        std::string socketPath = std::string(dir && *dir ? dir : "/tmp") + "/tmux-" +
                                 std::to_string(::getuid()) + "/" + socket_;
        ::unlink(socketPath.c_str());
    }
    std::error_code ignored;
    std::filesystem::remove_all(scratch_, ignored);
}

TmuxSession::Result TmuxSession::tmux(const std::vector<std::string>& args) {
    std::vector<std::string> full = {"tmux", "-u", "-f", "/dev/null", "-L", socket_};
    full.insert(full.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : full) argv.push_back(a.data());
    argv.push_back(nullptr);

    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return {};
    pid_t child = ::fork();
    if (child < 0) {
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        return {};
    }
    if (child == 0) {
        int null = ::open("/dev/null", O_RDONLY);
        if (null >= 0) ::dup2(null, STDIN_FILENO);
        ::dup2(pipeFds[1], STDOUT_FILENO);
        ::dup2(pipeFds[1], STDERR_FILENO);
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        ::unsetenv("TMUX");
        ::execvp("tmux", argv.data());
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    Result result;
    char buffer[4096];
    for (;;) {
        ssize_t n = ::read(pipeFds[0], buffer, sizeof buffer);
        if (n > 0) {
            result.output.append(buffer, static_cast<size_t>(n));
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            break;
        }
    }
    ::close(pipeFds[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string TmuxSession::readScratch(const std::string& name) const {
    std::ifstream in(scratch_ + "/" + name);
    if (!in) return "";
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void TmuxSession::sendKeys(const std::string& tmuxKey) {
    tmux({"send-keys", "-t", "hv", tmuxKey});
}

void TmuxSession::type(const std::string& literal) {
    tmux({"send-keys", "-t", "hv", "-l", literal});
}

void TmuxSession::resize(int columns, int rows) {
    tmux({"resize-window", "-t", "hv", "-x", std::to_string(columns), "-y", std::to_string(rows)});
}

std::string TmuxSession::capture() {
    return tmux({"capture-pane", "-p", "-t", "hv"}).output;
}

std::string TmuxSession::line(int row) {
    std::istringstream in(capture());
    std::string text;
    for (int r = 0; std::getline(in, text); ++r)
        if (r == row) return text;
    return "";
}

bool TmuxSession::waitFor(const std::string& text, int timeoutMs) {
    auto deadline = deadlineAfter(timeoutMs);
    for (;;) {
        if (capture().find(text) != std::string::npos) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        sleepMs(40);
    }
}

bool TmuxSession::waitForGone(const std::string& text, int timeoutMs) {
    auto deadline = deadlineAfter(timeoutMs);
    for (;;) {
        if (capture().find(text) == std::string::npos) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        sleepMs(40);
    }
}

int TmuxSession::programPid(int timeoutMs) {
    auto deadline = deadlineAfter(timeoutMs);
    for (;;) {
        std::string text = readScratch("pid");
        if (!text.empty() && text.back() == '\n') return std::atoi(text.c_str());
        if (std::chrono::steady_clock::now() >= deadline) return 0;
        sleepMs(20);
    }
}

bool TmuxSession::signal(int signalNumber) {
    if (exitStatus() >= 0) return false;
    int pid = programPid(1000);
    return pid > 0 && ::kill(pid, signalNumber) == 0;
}

bool TmuxSession::waitForExit(int timeoutMs) {
    auto deadline = deadlineAfter(timeoutMs);
    for (;;) {
        if (exitStatus() >= 0) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        sleepMs(40);
    }
}

int TmuxSession::exitStatus() {
    std::string text = readScratch("exit-status");
    if (text.empty()) return -1;
    return std::atoi(text.c_str());
}

bool TmuxSession::terminalUsable() {
    if (exitStatus() < 0) return false;
    std::string before = readScratch("tty-before");
    std::string after = readScratch("tty-after");
    std::string settings = readScratch("stty-after");
    if (before.empty() || before != after) return false;
    if (!hasToken(settings, "icanon") || !hasToken(settings, "echo")) return false;
    std::string flags =
        tmux({"display-message", "-p", "-t", "hv", "#{alternate_on}#{keypad_flag}"}).output;
    return flags.rfind("00", 0) == 0;
}

std::string TmuxSession::ttySettingsAfter() {
    return readScratch("stty-after");
}

}  // namespace hv::test
