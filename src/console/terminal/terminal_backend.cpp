#include "console/terminal/terminal_backend.h"

#define NCURSES_WIDECHAR 1
#define NCURSES_NOMACROS 1
#include <curses.h>
#include <langinfo.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <clocale>
#include <cstdlib>
#include <string>
#include <string_view>
#include <thread>

#include "console/terminal/glyphs.h"
#include "console/terminal/terminal_signals.h"

namespace hv {

namespace {

void appendCapability(const char* name, std::string& out) {
    char* value = tigetstr(name);
    if (value && value != reinterpret_cast<char*>(-1)) out += value;
}

// The same steps endwin takes: normal attributes, cursor to the bottom line,
// cursor visible, keypad transmit off, leave the alternate screen.
std::string leaveSequence() {
    std::string seq;
    appendCapability("sgr0", seq);
    char* cup = tigetstr("cup");
    if (cup && cup != reinterpret_cast<char*>(-1)) {
        if (const char* moved = tparm(cup, LINES - 1, 0, 0, 0, 0, 0, 0, 0, 0)) seq += moved;
    }
    appendCapability("cnorm", seq);
    appendCapability("rmkx", seq);
    appendCapability("rmcup", seq);
    return seq + "\r\n";
}

bool isUtf8Locale() {
    std::string_view codeset = nl_langinfo(CODESET);
    return codeset == "UTF-8" || codeset == "utf-8" || codeset == "utf8" || codeset == "UTF8";
}

// Unicode output needs a UTF-8 character type; only LC_CTYPE is changed so
// number formatting stays as the program expects.
bool chooseUtf8Locale() {
    if (std::setlocale(LC_CTYPE, "") && isUtf8Locale()) return true;
    for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8"})
        if (std::setlocale(LC_CTYPE, name) && isUtf8Locale()) return true;
    std::setlocale(LC_CTYPE, "");
    return false;
}

// Escape sequences some terminals send that their terminfo entry may not
// list: the application-keypad keys, the other common spellings of the
// navigation keys, and xterm's function keys (a vt100 description has no
// F11 or F12 and other spellings of F5 to F10). Each is registered only when
// the terminal's own description leaves it free.
struct ExtraSequence {
    const char* text;
    InputEvent event;
};
constexpr ExtraSequence kExtraSequences[] = {
    {"\033Ok", {kKeyPlus, '+', false}},   {"\033Om", {kKeyMinus, '-', false}},
    {"\033Oj", {0, '*', false}},          {"\033Oo", {0, '/', false}},
    {"\033On", {0, '.', false}},          {"\033Ol", {0, ',', false}},
    {"\033OX", {0, '=', false}},          {"\033OM", {kKeyEnter, kKeyEnter, false}},
    {"\033Op", {'0', '0', false}},        {"\033Oq", {'1', '1', false}},
    {"\033Or", {'2', '2', false}},        {"\033Os", {'3', '3', false}},
    {"\033Ot", {'4', '4', false}},        {"\033Ou", {'5', '5', false}},
    {"\033Ov", {'6', '6', false}},        {"\033Ow", {'7', '7', false}},
    {"\033Ox", {'8', '8', false}},        {"\033Oy", {'9', '9', false}},
    {"\033[H", {kKeyHome, -1, false}},    {"\033OH", {kKeyHome, -1, false}},
    {"\033[1~", {kKeyHome, -1, false}},   {"\033[7~", {kKeyHome, -1, false}},
    {"\033[F", {kKeyEnd, -1, false}},     {"\033OF", {kKeyEnd, -1, false}},
    {"\033[4~", {kKeyEnd, -1, false}},    {"\033[8~", {kKeyEnd, -1, false}},
    {"\033[A", {kKeyUp, -1, false}},      {"\033OA", {kKeyUp, -1, false}},
    {"\033[B", {kKeyDown, -1, false}},    {"\033OB", {kKeyDown, -1, false}},
    {"\033[D", {kKeyLeft, -1, false}},    {"\033OD", {kKeyLeft, -1, false}},
    {"\033[C", {kKeyRight, -1, false}},   {"\033OC", {kKeyRight, -1, false}},
    {"\033[2~", {kKeyInsert, -1, false}}, {"\033[3~", {kKeyDelete, -1, false}},
    {"\033[5~", {kKeyPageUp, -1, false}}, {"\033[6~", {kKeyPageDown, -1, false}},
    {"\033OP", {kKeyF1, -1, false}},      {"\033OQ", {kKeyF2, -1, false}},
    {"\033OR", {kKeyF3, -1, false}},      {"\033OS", {kKeyF4, -1, false}},
    {"\033[11~", {kKeyF1, -1, false}},    {"\033[12~", {kKeyF2, -1, false}},
    {"\033[13~", {kKeyF3, -1, false}},    {"\033[14~", {kKeyF4, -1, false}},
    {"\033[[A", {kKeyF1, -1, false}},     {"\033[[B", {kKeyF2, -1, false}},
    {"\033[[C", {kKeyF3, -1, false}},     {"\033[[D", {kKeyF4, -1, false}},
    {"\033[[E", {kKeyF5, -1, false}},     {"\033[15~", {kKeyF5, -1, false}},
    {"\033[17~", {kKeyF6, -1, false}},    {"\033[18~", {kKeyF7, -1, false}},
    {"\033[19~", {kKeyF8, -1, false}},    {"\033[20~", {kKeyF9, -1, false}},
    {"\033[21~", {kKeyF10, -1, false}},   {"\033[23~", {kKeyF11, -1, false}},
    {"\033[24~", {kKeyF12, -1, false}},
};
constexpr int kExtraBase = KEY_MAX + 1;
constexpr int kExtraCount = static_cast<int>(std::size(kExtraSequences));

// Modified keys of the extended terminfo names (kUP5 is Ctrl+Up and so on):
// the key code does not depend on the modifiers.
struct ExtendedName {
    const char* prefix;
    InputEvent event;
};
constexpr ExtendedName kExtendedNames[] = {
    {"kUP", {kKeyUp, -1, false}},      {"kDN", {kKeyDown, -1, false}},
    {"kLFT", {kKeyLeft, -1, false}},   {"kRIT", {kKeyRight, -1, false}},
    {"kHOM", {kKeyHome, -1, false}},   {"kEND", {kKeyEnd, -1, false}},
    {"kPRV", {kKeyPageUp, -1, false}}, {"kNXT", {kKeyPageDown, -1, false}},
    {"kIC", {kKeyInsert, -1, false}},  {"kDC", {kKeyDelete, -1, false}},
    {"kpADD", {kKeyPlus, '+', false}}, {"kpSUB", {kKeyMinus, '-', false}},
    {"kpMUL", {0, '*', false}},        {"kpDIV", {0, '/', false}},
    {"kpDOT", {0, '.', false}},        {"kpCMA", {0, ',', false}},
    {"kpZRO", {'0', '0', false}},
};

constexpr InputEvent kNoKey{0, -1, false};
constexpr int kClearKey = 12;  // the keypad's middle key without Num Lock

InputEvent extendedKey(int code) {
    const char* name = keyname(code);
    if (!name) return kNoKey;
    std::string_view n = name;
    for (const ExtendedName& e : kExtendedNames) {
        std::string_view prefix = e.prefix;
        if (n.substr(0, prefix.size()) != prefix) continue;
        std::string_view rest = n.substr(prefix.size());
        if (rest.find_first_not_of("0123456789") == std::string_view::npos) return e.event;
    }
    return kNoKey;
}

InputEvent functionKey(int code) {
    switch (code) {
        case KEY_UP:
        case KEY_SR:
            return {kKeyUp, -1, false};
        case KEY_DOWN:
        case KEY_SF:
            return {kKeyDown, -1, false};
        case KEY_LEFT:
        case KEY_SLEFT:
            return {kKeyLeft, -1, false};
        case KEY_RIGHT:
        case KEY_SRIGHT:
            return {kKeyRight, -1, false};
        case KEY_PPAGE:
        case KEY_SPREVIOUS:
        case KEY_A3:
            return {kKeyPageUp, -1, false};
        case KEY_NPAGE:
        case KEY_SNEXT:
        case KEY_C3:
            return {kKeyPageDown, -1, false};
        case KEY_HOME:
        case KEY_SHOME:
        case KEY_A1:
        case KEY_FIND:
            return {kKeyHome, -1, false};
        case KEY_END:
        case KEY_SEND:
        case KEY_C1:
        case KEY_LL:
        case KEY_SELECT:
            return {kKeyEnd, -1, false};
        case KEY_IC:
        case KEY_SIC:
            return {kKeyInsert, -1, false};
        case KEY_DC:
        case KEY_SDC:
            return {kKeyDelete, -1, false};
        case KEY_B2:
        case KEY_BEG:
            return {kClearKey, -1, false};
        case KEY_ENTER:
            return {kKeyEnter, kKeyEnter, false};
        case KEY_BACKSPACE:
            return {kKeyBackspace, kKeyBackspace, false};
        case KEY_BTAB:
            return {kKeyTab, kKeyTab, false};
        default:
            break;
    }
    // Shifted, control and alt function keys (F13 and up) are F1-F12.
    if (code >= KEY_F(1) && code <= KEY_F(63)) return {kKeyF1 + (code - KEY_F(1)) % 12, -1, false};
    if (code >= kExtraBase && code < kExtraBase + kExtraCount)
        return kExtraSequences[code - kExtraBase].event;
    return extendedKey(code);
}

InputEvent typedCharacter(wint_t wc) {
    switch (wc) {
        case 13:
        case 10:
            return {kKeyEnter, kKeyEnter, false};
        case 8:
        case 127:
            return {kKeyBackspace, kKeyBackspace, false};
        case 27:
            return {kKeyEscape, kKeyEscape, false};
        case 9:
            return {kKeyTab, kKeyTab, false};
        case '+':
            return {kKeyPlus, '+', false};
        case '-':
            return {kKeyMinus, '-', false};
        default:
            break;
    }
    int c = static_cast<int>(wc);
    if (c >= 'a' && c <= 'z') return {c - 'a' + 'A', c, false};
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ') return {c, c, false};
    // Ctrl+letter: the letter's key, typing its control character.
    if (c >= 1 && c <= 26) return {'A' + c - 1, c, false};
    if (c < 0x80) return {0, c, false};
    return typedHighCharacter(static_cast<char32_t>(wc));
}

short cursesColor(int windowsColor) {
    short c = 0;
    if (windowsColor & 1) c |= COLOR_BLUE;
    if (windowsColor & 2) c |= COLOR_GREEN;
    if (windowsColor & 4) c |= COLOR_RED;
    if (windowsColor & 8) c += 8;
    return c;
}

char32_t asciiFallback(const Cell& cell, char32_t glyph) {
    if (glyph < 0x80) return glyph;
    if (!cell.frame) return U'?';
    switch (cell.ch) {
        case 186:
        case 179:
            return U'|';
        case 205:
        case 196:
            return U'-';
        case 219:
            return U'#';
        default:
            return U'+';
    }
}

class TerminalBackend : public ScreenBackend {
  public:
    ~TerminalBackend() override { close(); }

    void open() override {
        if (screen_) return;
        if (!::isatty(STDIN_FILENO) || !::isatty(STDOUT_FILENO))
            throw ConsoleFailure("openScreen: standard input and output are not a terminal");
        const char* term = std::getenv("TERM");
        if (!term || !*term) throw ConsoleFailure("openScreen: TERM is not set");
        unicode_ = chooseUtf8Locale();
        ::tcgetattr(STDIN_FILENO, &shellMode_);
        if (!std::getenv("ESCDELAY")) set_escdelay(100);
        rememberCallerSignals();

        const std::string refused =
            std::string("openScreen: unknown terminal type \"") + term + "\"";
        screen_ = newterm(nullptr, stdout, stdin);
        if (!screen_) throw ConsoleFailure(refused);
        set_term(screen_);
        // A terminal that cannot place the cursor (TERM=dumb) would draw
        // every screen on one line.
        if (!hasCapability("cup")) {
            endwin();
            delscreen(screen_);
            screen_ = nullptr;
            throw ConsoleFailure(refused);
        }
        raw();
        noecho();
        nonl();
        intrflush(stdscr, FALSE);
        keypad(stdscr, TRUE);
        meta(stdscr, TRUE);
        // The wait for a key wakes up now and then to notice an ending signal.
        wtimeout(stdscr, kInputPollMs);
        curs_set(1);
        registerExtraSequences();
        if (has_colors() && start_color() == OK) {
            colors_ = true;
            sixteenColors_ = COLORS >= 16;
        }
        pairs_.fill(0);
        nextPair_ = 1;
        shownValid_ = false;
        noticeShown_ = false;
        haveLast_ = false;
        failures_ = 0;

        installSignalHandlers(shellMode_, leaveSequence());
    }

    void close() override {
        if (!screen_) return;
        removeSignalHandlers();
        endwin();
        delscreen(screen_);
        screen_ = nullptr;
    }

    void present(const CellGrid& cells, int cursorRow, int cursorCol) override {
        if (!screen_) throw ConsoleFailure("present: console not open");
        last_ = cells;
        lastRow_ = cursorRow;
        lastCol_ = cursorCol;
        haveLast_ = true;
        draw();
    }

    InputEvent nextInput() override {
        if (!screen_) throw ConsoleFailure("waitKey: console not open");
        for (;;) {
            if (int signal = pendingEndingSignal()) throw TerminalEnding{signal};
            wint_t wc = 0;
            int kind = wget_wch(stdscr, &wc);
            if (kind == ERR) {
                if (!inputFailed()) continue;  // no key within the poll time
                // A closed or broken terminal fails at once, every time:
                // give up after a while instead of spinning for ever.
                if (++failures_ >= kMaxFailures)
                    throw ConsoleFailure("waitKey: input cannot be read");
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
                return InputEvent{0, -1, true};
            }
            failures_ = 0;
            if (kind == KEY_CODE_YES && wc == KEY_RESIZE) {
                clearok(curscr, TRUE);
                shownValid_ = false;
                draw();
                continue;
            }
            InputEvent e =
                kind == KEY_CODE_YES ? functionKey(static_cast<int>(wc)) : typedCharacter(wc);
            // Other keys pressed while the window is too small are not for
            // the screen the user cannot see; Q leaves.
            if (tooSmall()) {
                if (e.ch == 'q' || e.ch == 'Q') throw TerminalEnding{0};
                continue;
            }
            if (e.vk == 0 && e.ch < 0 && !e.notTypable) continue;
            return e;
        }
    }

    void pause(int milliseconds) override {
        if (screen_) doupdate();
        if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }

    void showNote(std::string_view text) override {
        note_ = text;
        if (screen_ && tooSmall()) showSizeNotice();
    }

  private:
    static constexpr int kMaxFailures = 100;
    static constexpr int kInputPollMs = 100;

    // After wget_wch gave nothing: true when the terminal reports an error or
    // a hang-up, or has input that could not be read; false when the poll
    // time simply ran out.
    static bool inputFailed() {
        pollfd p{STDIN_FILENO, POLLIN, 0};
        int ready = ::poll(&p, 1, 0);
        return ready < 0 ? errno != EINTR : ready > 0;
    }

    static bool hasCapability(const char* name) {
        char* value = tigetstr(name);
        return value && value != reinterpret_cast<char*>(-1);
    }

    bool tooSmall() const { return LINES < kScreenRows || COLS < kScreenCols; }

    void registerExtraSequences() {
        for (int i = 0; i < kExtraCount; ++i)
            if (key_defined(kExtraSequences[i].text) == 0)
                define_key(kExtraSequences[i].text, kExtraBase + i);
    }

    void draw() {
        if (tooSmall()) {
            showSizeNotice();
            return;
        }
        if (noticeShown_) {
            werase(stdscr);
            noticeShown_ = false;
            shownValid_ = false;
            note_.clear();
        }
        if (haveLast_) {
            for (int r = 0; r < kScreenRows; ++r)
                for (int c = 0; c < kScreenCols; ++c)
                    if (!shownValid_ || !(shown_[r][c] == last_[r][c])) drawCell(r, c, last_[r][c]);
            shown_ = last_;
            shownValid_ = true;
            wmove(stdscr, lastRow_, lastCol_);
        }
        wrefresh(stdscr);
    }

    void showSizeNotice() {
        werase(stdscr);
        wattrset(stdscr, A_NORMAL);
        mvwaddnstr(stdscr, 0, 0, "Please make this window at least 80 x 25", COLS);
        std::string now =
            "(it is now " + std::to_string(COLS) + " x " + std::to_string(LINES) + ")  Q quits";
        if (LINES > 1) mvwaddnstr(stdscr, 1, 0, now.c_str(), COLS);
        if (!note_.empty() && LINES > 2)
            mvwaddnstr(stdscr, std::min(3, LINES - 1), 0, note_.c_str(), COLS);
        wrefresh(stdscr);
        noticeShown_ = true;
        shownValid_ = false;
    }

    void drawCell(int row, int col, const Cell& cell) {
        char32_t glyph = cellGlyph(cell);
        if (!unicode_) glyph = asciiFallback(cell, glyph);
        wchar_t text[2] = {static_cast<wchar_t>(glyph), L'\0'};
        attr_t attrs = A_NORMAL;
        short pair = 0;
        styleOf(cell.attr, attrs, pair);
        cchar_t cc;
        setcchar(&cc, text, attrs, pair, nullptr);
        // add_wchnstr does not move the cursor, so the bottom-right cell can
        // be written without scrolling.
        mvwadd_wchnstr(stdscr, row, col, &cc, 1);
    }

    // Foreground in bits 0-3, background in bits 4-7, bits 3 and 7 bright.
    void styleOf(unsigned char attribute, attr_t& attrs, short& pair) {
        int fg = attribute & 15;
        int bg = (attribute >> 4) & 15;
        if (!colors_) {
            attrs = (bg & 7) != 0 ? A_REVERSE : A_NORMAL;
            if (fg & 8) attrs |= A_BOLD;
            return;
        }
        if (!sixteenColors_) {
            if (fg & 8) attrs |= A_BOLD;
            fg &= 7;
            bg &= 7;
        }
        int key = fg | (bg << 4);
        if (pairs_[key] == 0) {
            if (nextPair_ < COLOR_PAIRS &&
                init_pair(nextPair_, cursesColor(fg), cursesColor(bg)) == OK)
                pairs_[key] = nextPair_++;
            else
                pairs_[key] = -1;
        }
        pair = pairs_[key] > 0 ? pairs_[key] : 0;
    }

    SCREEN* screen_ = nullptr;
    bool unicode_ = true;
    bool colors_ = false;
    bool sixteenColors_ = false;
    std::array<short, 256> pairs_{};
    short nextPair_ = 1;
    CellGrid last_{};
    int lastRow_ = 0;
    int lastCol_ = 0;
    bool haveLast_ = false;
    CellGrid shown_{};
    bool shownValid_ = false;
    bool noticeShown_ = false;
    int failures_ = 0;
    std::string note_;
    termios shellMode_{};
};

}  // namespace

std::unique_ptr<ScreenBackend> makeTerminalBackend() {
    return std::make_unique<TerminalBackend>();
}

}  // namespace hv
