#include "console/song_editing.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "app.h"
#include "console/prompts.h"
#include "database/list_order.h"
#include "database/row_edits.h"

namespace hv {

namespace {

// The row the edit, move and delete commands act on, or -1 when the
// highlight stands on an empty line below the list.
int selectedSong(const App& app) {
    int row = app.selectedRow();
    return row >= 0 && row < app.songs.count ? row : -1;
}

bool confirmationsOn(const App& app) {
    return app.settings.confirmationChecks == kSwitchOn;
}

// Insert, delete and move renumber the shifted rows as consecutive places,
// which is only right when the rows stand in their places' order; on a list
// sorted otherwise they would save doubled places, gaps and a place 0.
bool refusedOutOfRankingOrder(App& app) {
    if (inRankingOrder(app.songs)) return false;
    showMessage(app, "Sort on Ranking (F9) first.");
    return true;
}

// Blanks a row of a window from `col` up to its right frame.
void clearToFrame(Screen& s, const Rect& box, int row, int col) {
    putTextAt(s, row, col, std::string(static_cast<size_t>(box.right - col), ' '));
}

// Reads a line at the cursor, taking no more characters than fit between the
// cursor and the box's right frame, so the echo never runs over the frame or
// the labels of the next row. No answer changes by it: names are cut to 29
// characters anyway, and a year, duration or number that long is refused or
// saturates either way.
std::string readInside(Screen& s, const Rect& box) {
    size_t room = static_cast<size_t>(std::max(box.right - s.cursorCol, 0));
    return readLine(s, std::min(kSongFieldMax, room));
}

// Blanks an input place as far as an answer can reach and reads a line there.
std::string readAt(Screen& s, const Rect& box, int row, int col) {
    clearToFrame(s, box, row, col);
    moveCursor(s, row, col);
    return readInside(s, box);
}

// --- Insert ---------------------------------------------------------------

constexpr int kInsertLabelCol = 10;
constexpr int kInsertInputCol = 25;
constexpr int kInsertFirstRow = 6;
constexpr int kInsertLastRow = 14;  // the question under the values

// What an accepted answer is stored as: names cut at their width, numbers as
// the number read from them (text that is not a number is 0).
std::string storedForm(const std::string& typed, bool (*accepted)(std::string_view)) {
    if (!accepted) return typed.substr(0, kNameWidth);
    if (accepted == isValidVotes || accepted == isValidPrevRank)
        return std::to_string(readNumber(typed));
    return typed;
}

// Reads one value of the new song at its row until it is accepted. An empty
// line gives `emptyValue`, or abandons the insertion when that is null. The
// field then shows the value as it will be stored.
std::optional<std::string> askInsertField(Screen& s, int row, bool (*accepted)(std::string_view),
                                          const char* emptyValue) {
    for (;;) {
        std::string value = readAt(s, kLargeWindow, row, kInsertInputCol);
        if (value.empty()) {
            if (!emptyValue) return std::nullopt;
            return std::string(emptyValue);
        }
        if (accepted && !accepted(value)) continue;
        std::string stored = storedForm(value, accepted);
        if (stored != value) {
            clearToFrame(s, kLargeWindow, row, kInsertInputCol);
            putTextAt(s, row, kInsertInputCol, stored);
        }
        return stored;
    }
}

// The five values of a new song in the opened window, asked again from the
// labels on N. Nothing when the user abandons the insertion.
std::optional<Song> askNewSong(App& app, int target) {
    Screen& s = app.screen;
    moveCursor(s, 4, 20);
    printText(s, "Insert new song at Place %d", target + 1);
    for (;;) {
        // After N nothing of the answers or the question before may stay.
        for (int row = kInsertFirstRow; row <= kInsertLastRow; ++row)
            clearToFrame(s, kLargeWindow, row, kInsertLabelCol);
        const char* labels[] = {
            "Artist    :  ", "Song      :  ", "Year      :  ", "Duration  :  ", "Votes     :  "};
        for (int i = 0; i < 5; ++i) putTextAt(s, kInsertFirstRow + i, kInsertLabelCol, labels[i]);
        auto artist = askInsertField(s, 6, nullptr, nullptr);
        if (!artist) return std::nullopt;
        auto title = askInsertField(s, 7, nullptr, nullptr);
        if (!title) return std::nullopt;
        auto year = askInsertField(s, 8, isValidYear, nullptr);
        if (!year) return std::nullopt;
        auto duration = askInsertField(s, 9, isValidDuration, "00:00");
        auto votes = askInsertField(s, 10, isValidVotes, "0");
        if (confirmationsOn(app)) {
            putTextAt(s, 12, 10, "Accept ? ");
            putTextAt(s, 14, 10, "(Y)es (N)o (Q)uit ");
            char key = readChoice(s, "YNQ", 'Q');
            if (key == 'Q') return std::nullopt;
            if (key == 'N') continue;
        }
        Song song;
        song.artist = fitName(*artist);
        song.song = fitName(*title);
        song.year = readNumber(*year);
        song.duration = *duration;
        song.votes = readNumber(*votes);
        song.prevRank = kNewSong;
        return song;
    }
}

// --- Edit -----------------------------------------------------------------

constexpr int kEditCol = 8;
constexpr int kEditInputCol = 21;
constexpr int kEditBlank = 47;
constexpr int kEditFirstRow = 6;
constexpr int kEditLastRow = 16;

struct EditField {
    char key;
    int row;
    const char* line;      // the field's line in the window
    const char* reminder;  // the current value, shown under the keys
    std::string* value;
    bool (*accepted)(std::string_view);
};

void drawEditWindow(Screen& s, const EditField* fields, int count) {
    // The whole width the answers can reach, not only what the lines need.
    for (int row = kEditFirstRow; row <= kEditLastRow; ++row)
        clearToFrame(s, kLargeWindow, row, kEditCol);
    for (int i = 0; i < count; ++i) {
        moveCursor(s, fields[i].row, kEditCol);
        printText(s, fields[i].line, fields[i].value->c_str());
    }
    putTextAt(s, 13, kEditCol, "(A)rtist (S)ong (Y)ear (D)uration (P)rev (V)otes (O)kay (C)ancel ");
}

// Asks for one field until an accepted value or an empty line (which keeps
// the value as it was).
void editField(Screen& s, const EditField& f) {
    for (;;) {
        putTextAt(s, 16, kEditCol, std::string(kEditBlank, ' '));
        moveCursor(s, 16, kEditCol);
        printText(s, f.reminder, f.value->c_str());
        std::string typed = readAt(s, kLargeWindow, f.row, kEditInputCol);
        if (typed.empty()) return;
        if (f.accepted && !f.accepted(typed)) continue;
        // The working copy shows what O will store, never text that is dropped.
        *f.value = storedForm(typed, f.accepted);
        return;
    }
}

}  // namespace

void insertSong(App& app) {
    SongTable& t = app.songs;
    if (refusedOutOfRankingOrder(app)) return;
    if (t.count > kInsertMaximum) {
        app.messageText = "The list is full: no insert.";
        showMessage(app);
        return;
    }
    // On an empty line below the list the new song goes behind the last one,
    // never into a gap of rows that hold no songs.
    int target = std::clamp(app.selectedRow(), 0, t.count);
    Screen& s = app.screen;
    SavedRegion saved = openDialog(s, kLargeWindow);
    std::optional<Song> song = askNewSong(app, target);
    if (song) {
        insertRow(t, target, *song);
        ++t.changeCount;
    }
    closeDialog(s, saved);
}

void deleteSong(App& app) {
    SongTable& t = app.songs;
    int target = selectedSong(app);
    if (target < 0 || refusedOutOfRankingOrder(app)) return;
    Screen& s = app.screen;
    app.messageText = "Delete Song : " + std::to_string(target + 1) + " ";
    SavedRegion saved = openDialog(s, kMessageBox);
    putTextAt(s, 8, 26, app.messageText);
    putTextAt(s, 12, 26, "Are you Sure ? ");
    putTextAt(s, 14, 26, "(Y)es  (N)o ");
    if (confirmationsOn(app)) {
        if (readChoice(s, "YN", 'N') == 'N') {
            closeDialog(s, saved);
            return;
        }
    } else {
        pauseScreen(s, 0);
    }
    closeDialog(s, saved);
    deleteRow(t, target);
    ++t.changeCount;
}

void moveSong(App& app) {
    SongTable& t = app.songs;
    int from = selectedSong(app);
    if (from < 0 || refusedOutOfRankingOrder(app)) return;
    Screen& s = app.screen;
    app.messageText = "Move Song : " + std::to_string(from + 1) + " ";
    SavedRegion saved = openDialog(s, kMessageBox);
    for (;;) {
        putTextAt(s, 7, 26, app.messageText);
        // The answer may reach the frame: clear all of it, and the question of
        // an earlier N.
        for (int row : {9, 12, 14}) clearToFrame(s, kMessageBox, row, 26);
        putTextAt(s, 9, 26, "To Place  : ");
        std::string answer = readInside(s, kMessageBox);
        if (answer.empty()) break;
        int to = readNumber(answer) - 1;
        if (to < 0 || to >= t.count || to == from) continue;
        if (confirmationsOn(app)) {
            putTextAt(s, 12, 26, "Are you Sure ? ");
            putTextAt(s, 14, 26, "(Y)es  (N)o  (Q)uit ");
            char key = readChoice(s, "YNQ", 'Q');
            if (key == 'Q') break;
            if (key == 'N') continue;
        }
        moveRow(t, from, to);
        ++t.changeCount;
        break;
    }
    closeDialog(s, saved);
}

void editSong(App& app) {
    SongTable& t = app.songs;
    int target = selectedSong(app);
    if (target < 0) return;
    Screen& s = app.screen;
    Song& row = t.rows[target];
    std::string artist = row.artist, title = row.song, duration = row.duration;
    std::string year = std::to_string(row.year), prevRank = std::to_string(row.prevRank),
                votes = std::to_string(row.votes);
    const EditField fields[] = {
        {'A', 6, "Artist    :  %s", "Artist    : %s", &artist, nullptr},
        {'S', 7, "Song      :  %s", "Song      : %s", &title, nullptr},
        {'Y', 8, "Year      :  %s", "Year      : %s", &year, isValidYear},
        {'D', 9, "Duration  :  %s", "Duration  : %s", &duration, isValidDuration},
        {'P', 10, "Prev Rank :  %s", "Prev Rank : %s", &prevRank, isValidPrevRank},
        {'V', 11, "Votes     :  %s", "Votes     : %s", &votes, isValidVotes},
    };
    constexpr int kFields = 6;
    SavedRegion saved = openDialog(s, kLargeWindow);
    moveCursor(s, 4, kEditCol);
    printText(s, "Edit song at Place %d", target + 1);
    for (;;) {
        drawEditWindow(s, fields, kFields);
        char key = readChoice(s, "ASYDPVOC", 'C');
        if (key == 'C') break;
        if (key == 'O') {
            row.artist = fitName(artist);
            row.song = fitName(title);
            row.duration = duration;
            row.year = readNumber(year);
            row.prevRank = readNumber(prevRank);
            row.votes = readNumber(votes);
            ++t.changeCount;
            break;
        }
        for (const EditField& f : fields)
            if (f.key == key) editField(s, f);
    }
    closeDialog(s, saved);
}

}  // namespace hv
