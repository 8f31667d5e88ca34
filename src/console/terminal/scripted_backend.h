// A backend for tests: keys and typed text are queued beforehand, and the
// screen is read back from the cell buffer. Running out of queued input ends
// the test with a clear failure instead of waiting for ever.
#pragma once

#include <deque>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "console/terminal/screen.h"

namespace hv {

struct ScriptExhausted : std::runtime_error {
    ScriptExhausted() : std::runtime_error("scripted input ran out: the screen waited for a key") {}
};

class ScriptedBackend : public ScreenBackend {
  public:
    // A key press. Letters and digits also type their character (a letter in
    // lower case), Enter types 13, Backspace 8, Escape 27; other keys type none.
    ScriptedBackend& key(int vk);
    // Typed characters, each a key press with its key code (Shift+letter for
    // upper case gives the same code as the lower-case letter).
    ScriptedBackend& text(std::string_view chars);
    // Characters typed on a Unicode keyboard, as the terminal delivers them:
    // those from 0x80 up as their Windows-1252 byte or not typable.
    ScriptedBackend& typed(std::u32string_view chars);
    // Typed characters followed by Enter.
    ScriptedBackend& line(std::string_view chars);
    // An event that is not a key press (a mouse move); waitKey must skip it.
    ScriptedBackend& nonKeyEvent();
    ScriptedBackend& failedRead();
    ScriptedBackend& event(InputEvent e);
    // The terminal ends the run here (TerminalEnding with this signal; 0 is Q
    // on the window-size notice).
    ScriptedBackend& ending(int signal);

    size_t pending() const { return queue_.size(); }
    int opens = 0;
    int closes = 0;
    std::vector<int> pauses;
    // The text of each screen row as shown during the last pause.
    std::vector<std::string> rowsAtPause;
    std::vector<std::string> notes;

    void open() override { ++opens; }
    void close() override { ++closes; }
    void present(const CellGrid& cells, int, int) override { shown_ = cells; }
    InputEvent nextInput() override;
    void pause(int milliseconds) override;
    void showNote(std::string_view text) override { notes.emplace_back(text); }

  private:
    struct Scripted {
        InputEvent event;
        int endingSignal = -1;  // >= 0: throw TerminalEnding instead
    };
    std::deque<Scripted> queue_;
    CellGrid shown_{};
};

// The key code a typed character arrives with.
int keyCodeOfChar(unsigned char c);

}  // namespace hv
