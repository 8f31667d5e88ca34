#include "support/tmux_session.h"

#include <sys/wait.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "database/text_files.h"

namespace hv::test {

namespace {

std::string shellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// A sanitizer build runs several times slower; a wait that passes returns as
// soon as it can, so the longer limit costs nothing.
bool pollUntil(int timeoutMs, const std::function<bool()>& done) {
#if defined(__SANITIZE_ADDRESS__)
    timeoutMs *= 4;
#endif
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (; !done(); std::this_thread::sleep_for(std::chrono::milliseconds(30)))
        if (std::chrono::steady_clock::now() >= deadline) return false;
    return true;
}

// Starts the program in the folder with its pid recorded, then notes the exit
// status and the tty settings, and stays alive so the pane can be captured.
std::string paneScript(const std::string& scratch, const std::string& folder,
                       const std::vector<std::string>& args,
                       const std::vector<std::string>& environment) {
    std::string script = "d=" + shellQuote(scratch) + "\ncd " + shellQuote(folder) +
                         R"( || { echo 99 > "$d/exit-status"; exit; }
if infocmp tmux-256color >/dev/null 2>&1; then TERM=tmux-256color; else TERM=screen; fi
export TERM; unset TMUX TMUX_PANE
)";
    for (const std::string& setting : environment) script += "export " + shellQuote(setting) + "\n";
    script += R"(stty -g > "$d/tty-before"
sh -c 'echo $$ > "$0"; shift; exec "$@"' "$d/pid" sh )" +
              shellQuote(HITVAULT_BINARY);
    for (const std::string& a : args) script += " " + shellQuote(a);
    return script + R"(
status=$?
stty -g > "$d/tty-after"; stty -a > "$d/stty-after"
echo "$status" > "$d/exit-status.tmp" && mv "$d/exit-status.tmp" "$d/exit-status"
echo "hitvault-exit=$status"
exec sleep 600
)";
}

// Applies the parameters of one SGR sequence to the current colours; a
// colour outside the sixteen the program uses counts as the default.
void applySgr(const std::string& parameters, int& fg, int& bg) {
    std::vector<int> p;
    std::istringstream in(parameters);
    for (std::string n; std::getline(in, n, ';');) p.push_back(std::atoi(n.c_str()));
    if (p.empty()) p.push_back(0);
    for (size_t i = 0; i < p.size(); ++i) {
        int n = p[i];
        if (n == 0 || n == 39) fg = -1;
        if (n == 0 || n == 49) bg = -1;
        if (n % 10 < 8 && (n / 10 == 3 || n / 10 == 9)) fg = n % 10 + (n >= 90 ? 8 : 0);
        if (n % 10 < 8 && (n / 10 == 4 || n / 10 == 10)) bg = n % 10 + (n >= 100 ? 8 : 0);
        if (n == 38 || n == 48) {
            bool indexed = i + 2 < p.size() && p[i + 1] == 5;
            (n == 38 ? fg : bg) = indexed && p[i + 2] < 16 ? p[i + 2] : -1;
            i += indexed ? 2 : 4;  // 38;2;r;g;b is a direct colour
        }
    }
}

}  // namespace

TmuxSession::TmuxSession(const std::string& folder, const std::vector<std::string>& args,
                         const std::vector<std::string>& environment) {
    std::ofstream(scratch_.folder + "run.sh")
        << paneScript(scratch_.folder, folder, args, environment);
    auto [status, output] = tmux({"new-session", "-d", "-s", "hv", "-x", "80", "-y", "25", "-c",
                                  folder, "sh " + shellQuote(scratch_.folder + "run.sh")});
    if (status != 0) throw std::runtime_error("tmux new-session failed: " + output);
    // A detached session keeps its size only while no client asks otherwise.
    tmux({"set-option", "-t", "hv", "window-size", "manual"});
    resize(80, 25);
}

TmuxSession::~TmuxSession() {
    if (exitStatus() < 0) signal(SIGKILL);
    tmux({"kill-server"});  // before its socket's folder goes
}

std::pair<int, std::string> TmuxSession::tmux(const std::vector<std::string>& args) {
    std::string command =
        "unset TMUX; exec tmux -u -f /dev/null -S " + shellQuote(scratch_.folder + "s");
    for (const std::string& a : args) command += " " + shellQuote(a);
    FILE* pipe = ::popen((command + " </dev/null 2>&1").c_str(), "r");
    if (!pipe) return {-1, ""};
    std::string output;
    char buffer[4096];
    while (size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
    int status = ::pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

std::string TmuxSession::readScratch(const std::string& name) const {
    return readWholeFile(scratch_.folder + name).value_or("");
}

void TmuxSession::resize(int columns, int rows) {
    tmux({"resize-window", "-t", "hv", "-x", std::to_string(columns), "-y", std::to_string(rows)});
}

std::string TmuxSession::line(int row) {
    std::istringstream in(capture());
    std::string text;
    for (int r = 0; r <= row; ++r)
        if (!std::getline(in, text)) return "";
    return text;
}

std::vector<std::vector<int>> TmuxSession::colours() {
    // -e marks only the changes of colour, also across line ends, so the pane
    // is read from its top; -N keeps the trailing blanks a bar is made of.
    std::string text = tmux({"capture-pane", "-p", "-e", "-N", "-t", "hv"}).second;
    std::vector<std::vector<int>> rows(1);
    int fg = -1, bg = -1;
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\n') {
            rows.emplace_back();
        } else if (c == '\033' && i + 1 < text.size() && text[i + 1] == '[') {
            size_t end = i + 2;
            while (end < text.size() && (text[end] < 0x40 || text[end] > 0x7e)) ++end;
            if (end < text.size() && text[end] == 'm')
                applySgr(text.substr(i + 2, end - i - 2), fg, bg);
            i = end;
        } else if ((c & 0xc0) != 0x80) {  // not a UTF-8 continuation byte
            rows.back().push_back(fg < 0 || bg < 0 ? -1 : fg | bg << 4);
        }
    }
    if (rows.back().empty()) rows.pop_back();  // after the last line end
    return rows;
}

bool TmuxSession::waitFor(const std::string& text, int timeoutMs) {
    return waitUntil([&] { return capture().find(text) != std::string::npos; }, timeoutMs);
}

bool TmuxSession::waitForGone(const std::string& text, int timeoutMs) {
    return waitUntil([&] { return capture().find(text) == std::string::npos; }, timeoutMs);
}

bool TmuxSession::waitUntil(const std::function<bool()>& done, int timeoutMs) {
    return pollUntil(timeoutMs, done);
}

bool TmuxSession::signal(int signalNumber) {
    if (exitStatus() >= 0) return false;
    std::string pid;  // complete once its line end is written
    pollUntil(1000, [&] { return (pid = readScratch("pid")).ends_with('\n'); });
    return std::atoi(pid.c_str()) > 0 && ::kill(std::atoi(pid.c_str()), signalNumber) == 0;
}

bool TmuxSession::waitForExit(int timeoutMs) {
    return pollUntil(timeoutMs, [&] { return exitStatus() >= 0; });
}

int TmuxSession::exitStatus() {
    std::string text = readScratch("exit-status");
    return text.empty() ? -1 : std::atoi(text.c_str());
}

bool TmuxSession::terminalUsable() {
    // The pane's shell starts cooked with echo, so equal settings are those.
    std::string before = readScratch("tty-before");
    if (exitStatus() < 0 || before.empty() || before != readScratch("tty-after")) return false;
    return tmux({"display-message", "-p", "-t", "hv", "#{alternate_on}#{keypad_flag}"})
        .second.starts_with("00");
}

}  // namespace hv::test
