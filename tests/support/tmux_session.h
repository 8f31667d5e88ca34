// Drives the real program in a detached 80 x 25 tmux pane with its own tmux
// server; the pane's script records the exit status and tty settings, then
// stays so the pane can still be captured. Keys use tmux's names ("F1",
// "PPage", "IC", "DC", "KP+", "C-c"...); type() sends literal text.
#pragma once

#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "support/temp_folder.h"

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

    // Private folder for the server's socket, the script and its records.
    TempFolder scratch_;
};

}  // namespace hv::test

// Ends a test as skipped when tmux is not installed.
#define HV_REQUIRE_TMUX()                                                                   \
    do {                                                                                    \
        if (!::hv::test::TmuxSession::available()) GTEST_SKIP() << "tmux is not installed"; \
    } while (0)
