// Drives the real program in a detached 80 x 25 tmux pane, for end-to-end
// tests: keys go in with send-keys, the screen comes back with capture-pane.
//
// Each session has its own tmux server (a private -L socket), so tests never
// see each other's panes nor a tmux the developer is running. The pane runs a
// small script that starts the program in the given folder, then records its
// exit status and the tty settings and waits, so the pane (and what the
// program left on it) can still be captured after the program has ended.
//
// Key names for sendKeys are tmux's own:
//   "F1".."F12", "S-F1" (shifted function key), "Up", "Down", "Left", "Right",
//   "PPage" (Page Up), "NPage" (Page Down), "Home", "End", "IC" (Insert),
//   "DC" (Delete), "Enter", "Escape", "BSpace", "Tab", "Space",
//   "KP+", "KP-" (numeric keypad plus and minus), "KP0".."KP9", "KPEnter",
//   a single character such as "q" or "A" (Shift+A), "C-c" (Ctrl+C).
// Use type() for literal text (it is never read as key names).
#pragma once

#include <string>
#include <vector>

namespace hv::test {

class TmuxSession {
  public:
    // True when tmux can be run (it is on the PATH).
    static bool available();

    // Starts HITVAULT_BINARY with args in folder. environment holds extra
    // "NAME=value" settings for the program (they may override TERM). Throws
    // std::runtime_error when the tmux server cannot be started.
    TmuxSession(const std::string& folder, const std::vector<std::string>& args,
                const std::vector<std::string>& environment = {});
    ~TmuxSession();
    TmuxSession(const TmuxSession&) = delete;
    TmuxSession& operator=(const TmuxSession&) = delete;

    void sendKeys(const std::string& tmuxKey);
    void type(const std::string& literal);
    // Changes the pane's size as a user dragging the window would.
    void resize(int columns, int rows);

    // The visible pane, 25 lines joined by '\n' (trailing spaces trimmed by tmux).
    std::string capture();
    // One line of the pane (0-24); empty when out of range.
    std::string line(int row);
    // Polls the pane until text appears on it. All timeouts are stretched in
    // sanitizer builds.
    bool waitFor(const std::string& text, int timeoutMs = 5000);
    // Polls until the captured pane no longer contains text.
    bool waitForGone(const std::string& text, int timeoutMs = 5000);

    // The program's process id once it has started (0 before, or on failure).
    int programPid(int timeoutMs = 5000);
    // Sends a signal to the program; false when it is not (or no longer) running.
    bool signal(int signalNumber);

    bool waitForExit(int timeoutMs = 5000);
    // The program's exit status (128 + n after signal n), -1 while it runs.
    int exitStatus();
    // After the exit: the tty settings are exactly those before the program
    // started (cooked mode with echo), and the pane has left the alternate
    // screen and keypad transmit mode.
    bool terminalUsable();
    // The `stty -a` output recorded after the exit, for failure messages.
    std::string ttySettingsAfter();

    // The tmux command line prefix of this session, for ad-hoc commands.
    std::string socketName() const { return socket_; }

  private:
    struct Result {
        int status = -1;
        std::string output;
    };
    Result tmux(const std::vector<std::string>& args);
    std::string readScratch(const std::string& name) const;

    std::string socket_;
    std::string scratch_;  // private folder for the pane script and its records
    bool started_ = false;
};

}  // namespace hv::test

// Ends a test as skipped when tmux is not installed.
#define HV_REQUIRE_TMUX()                                                                   \
    do {                                                                                    \
        if (!::hv::test::TmuxSession::available()) GTEST_SKIP() << "tmux is not installed"; \
    } while (0)
