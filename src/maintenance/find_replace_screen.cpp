#include "maintenance/find_replace_screen.h"

#include <optional>
#include <string>

#include "app.h"
#include "console/prompts.h"
#include "maintenance/find_replace.h"

namespace hv {

namespace {

constexpr int kSearchRow = 7;
constexpr int kReplacementRow = 8;
constexpr int kTextCol = 28;
// A typed text is echoed up to the frame, however long it gets.
constexpr int kTextWidth = kLargeWindow.right - kTextCol;
constexpr int kChangeRow = 14;
constexpr int kQuestionRow = 17;

const char* switchText(bool on) {
    return on ? "ON " : "OFF";
}

void drawWindow(App& app) {
    Screen& s = app.screen;
    const FindReplaceState& state = app.findReplace;
    clearDialog(s, kLargeWindow);
    putTextAt(s, 4, 10, "Find and Replace");
    putTextAt(s, 5, 10, "================");
    moveCursor(s, kSearchRow, 10);
    putRowText(s, "Search for      : " + state.texts.search);
    moveCursor(s, kReplacementRow, 10);
    putRowText(s, "Replace with    : " + state.texts.replacement);
    moveCursor(s, 10, 10);
    printText(s, "Confirm Changes : %s", switchText(state.confirmChanges));
    moveCursor(s, 11, 10);
    printText(s, "Ignore Case     : %s", switchText(state.ignoreCase));
    putTextAt(s, 14, 10, "(G)o (Q)uit (S)earch (R)eplace (C)onfirm (I)gnore Case  ");
}

// A new text typed at its row. One too long for the field is refused with
// the notice and leaves the text empty; Escape keeps the text as it was.
void askText(App& app, int row, std::string& text) {
    Screen& s = app.screen;
    moveCursor(s, row, kTextCol);
    std::optional<std::string> answer = readField(s, LineField{kSongFieldMax, kTextWidth, true});
    if (!answer) return;
    if (answer->size() > kReplaceTextMaximum) {
        showInputTooLong(app);
        text.clear();
        return;
    }
    text = *answer;
}

// The field before and after the change, under the texts.
void showChange(Screen& s, int row, const Replacement& change) {
    putTextAt(s, kChangeRow, 10, std::string(55, ' '));
    moveCursor(s, kChangeRow, 10);
    printText(s, "%5d - ", row);
    putRowText(s, change.field);
    putTextAt(s, kChangeRow + 1, 10, std::string(55, ' '));
    moveCursor(s, kChangeRow + 1, 10);
    putRowText(s, "        " + change.newText);
}

// One pass over the whole list from the top; `replacements` counts on over
// the passes of one visit to the screen.
void runReplacement(App& app, int& replacements) {
    Screen& s = app.screen;
    const FindReplaceState& state = app.findReplace;
    // An empty text is found in every field: the pass would put the
    // replacement in front of every artist.
    if (state.texts.search.empty()) {
        showMessage(app, "Nothing to search for");
        return;
    }
    bool all = !state.confirmChanges;
    for (int row = 0; row < app.songs.count; ++row) {
        Song& song = app.songs.rows[row];
        std::optional<Replacement> change = findReplacement(song, state.texts, state.ignoreCase);
        if (!change) continue;
        showChange(s, row, *change);
        if (!all) {
            putTextAt(s, kQuestionRow, 10, "(C)hange (S)kip (A)ll (Q)uit ");
            // Q, or a keyboard that fails, ends the pass at once, without the
            // closing message; the changes made so far stay.
            const char key = readChoice(s, "CSAQ", 'Q');
            if (key == 'Q') return;
            if (key == 'S') continue;
            all = key == 'A';
        }
        applyReplacement(song, *change);
        app.songs.changeCount += 1;
        replacements += 1;
        writeReplaceFile(app.env.workingFolder, state.texts);
    }
    moveCursor(s, kQuestionRow, 10);
    printText(s, "%d replacements done, press a key...", replacements);
    readChar(s);
}

}  // namespace

void findAndReplace(App& app) {
    Screen& s = app.screen;
    FindReplaceState& state = app.findReplace;
    if (std::optional<ReplaceTexts> stored = readReplaceFile(app.env.workingFolder))
        state.texts = *stored;
    SavedRegion saved = openDialog(s, kLargeWindow);
    int replacements = 0;
    for (;;) {
        drawWindow(app);
        switch (readChoice(s, "QSRCIG", 'Q')) {
            case 'S':
                askText(app, kSearchRow, state.texts.search);
                break;
            case 'R':
                askText(app, kReplacementRow, state.texts.replacement);
                break;
            case 'C':
                state.confirmChanges = !state.confirmChanges;
                break;
            case 'I':
                state.ignoreCase = !state.ignoreCase;
                break;
            case 'G':
                runReplacement(app, replacements);
                break;
            default:
                closeDialog(s, saved);
                return;
        }
    }
}

}  // namespace hv
