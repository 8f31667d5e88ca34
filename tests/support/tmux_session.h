// Drives the real program in a detached 80 x 25 tmux pane, for end-to-end
// tests: keys go in with send-keys, the screen comes back with capture-pane.
//
// Each session has its own tmux server (a private socket), so tests never
// see each other's panes nor a tmux the developer is running. The pane's
// script records the program's exit status and tty settings and then stays,
// so what the program left on the pane can still be captured.
//
// sendKeys takes tmux's key names: "F1".."F12", "Up", "PPage" (Page Up),
// "NPage" (Page Down), "Home", "End", "IC" (Insert), "DC" (Delete), "Enter",
// "Space", "KP+" (keypad plus), "A" (Shift+A), "C-c"... type() sends literal text.
#pragma once

#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace hv::test {

class TmuxSession {
  public:
    static bool available() { return std::system("command -v tmux >/dev/null 2>&1") == 0; }

    // Starts HITVAULT_BINARY with args in folder; environment holds extra
    // "NAME=value" settings (they may override TERM). Throws when tmux fails.
    TmuxSession(const std::string& folder, const std::vector<std::string>& args,
                const std::vector<std::string>& environment = {});
    ~TmuxSession();
    TmuxSession(const TmuxSession&) = delete;
    TmuxSession& operator=(const TmuxSession&) = delete;

    void sendKeys(const std::string& tmuxKey) { tmux({"send-keys", "-t", "hv", tmuxKey}); }
    void type(const std::string& literal) { tmux({"send-keys", "-t", "hv", "-l", literal}); }
    void resize(int columns, int rows);  // as a user dragging the window would

    // The visible pane, lines joined by '\n' (trailing spaces trimmed by tmux).
    std::string capture() { return tmux({"capture-pane", "-p", "-t", "hv"}).second; }
    std::string line(int row);  // empty when out of range
    // The colours of the visible pane's cells, row by row, as the program
    // writes them: foreground in bits 0-3, background in bits 4-7; -1 for a
    // cell in the terminal's default colours.
    std::vector<std::vector<int>> colours();
    // Poll the pane until text appears / is gone (longer in sanitizer builds).
    bool waitFor(const std::string& text, int timeoutMs = 5000);
    bool waitForGone(const std::string& text, int timeoutMs = 5000);
    bool waitUntil(const std::function<bool()>& done, int timeoutMs = 5000);

    // Sends a signal to the program; false when it is not (or no longer) running.
    bool signal(int signalNumber);
    bool waitForExit(int timeoutMs = 5000);
    int exitStatus();  // 128 + n after signal n; -1 while it runs
    // After the exit: the tty settings are those from before the start, and
    // the pane has left the alternate screen and keypad transmit mode.
    bool terminalUsable();
    std::string ttySettingsAfter() { return readScratch("stty-after"); }  // for messages

  private:
    std::pair<int, std::string> tmux(const std::vector<std::string>& args);  // status, output
    std::string readScratch(const std::string& name) const;

    std::string scratch_;  // private folder for the server's socket, the script and its records
};

}  // namespace hv::test

// Ends a test as skipped when tmux is not installed.
#define HV_REQUIRE_TMUX()                                                                   \
    do {                                                                                    \
        if (!::hv::test::TmuxSession::available()) GTEST_SKIP() << "tmux is not installed"; \
    } while (0)
