#include "stats/new_songs_screen.h"

#include <algorithm>
#include <chrono>
#include <climits>

#include "app.h"
#include "console/prompts.h"
#include "database/text_format.h"
#include "html/publish_screen.h"
#include "stats/statistics_list_screen.h"

namespace hv {

namespace {

// Presenting the screen after each of 10,000 entries would cost more than
// the work itself, so a long job brings the screen up to date only when
// kProgressIntervalMs have passed since the last time (and always the first
// time, so the user sees it start).
class ProgressPacer {
  public:
    ProgressPacer(Screen& s, const MillisecondClock& clock) : screen_(s), clock_(clock) {}

    // Runs draw and presents the screen when an update is due.
    template <typename Draw>
    void update(Draw&& draw) {
        const std::int64_t now = clock_();
        if (shown_ && now - last_ < kProgressIntervalMs) return;
        shown_ = true;
        last_ = now;
        draw();
        pauseScreen(screen_, 0);
    }

  private:
    Screen& screen_;
    const MillisecondClock& clock_;
    bool shown_ = false;
    std::int64_t last_ = 0;
};

void showEntryRead(Screen& s, const Song& entry) {
    const int rows[] = {5, 6, 7, 8};
    for (int row : rows) {
        moveCursor(s, row, 10);
        eraseToEndOfLine(s);
    }
    moveCursor(s, 5, 10);
    printText(s, "%d", entry.place);
    moveCursor(s, 6, 10);
    printText(s, "%s", entry.artist.c_str());
    moveCursor(s, 7, 10);
    printText(s, "%s", entry.song.c_str());
    moveCursor(s, 8, 10);
    printText(s, "%d", entry.year);
}

struct NewSongsState {
    NewSongsMode mode = NewSongsMode::newSongs;
    int matchLength = kStartMatchLength;
    std::vector<Song> result;
};

// Reads the previous year's list and builds the list of the mode. False when
// that file is missing: the user has been told, and the screen goes back to
// the main menu with the Song table untouched.
bool buildList(App& app, NewSongsState& state, const MillisecondClock& clock) {
    Screen& s = app.screen;
    const int chartYear = app.settings.chartYear;
    state.result.clear();
    moveCursor(s, 0, 0);
    eraseToEndOfScreen(s);
    moveCursor(s, 2, 10);
    printText(s, "Reading the year %4d", chartYear - 1);

    ProgressPacer reading(s, clock);
    PreviousYearList previous = readPreviousYear(
        app.env.workingFolder, chartYear,
        [&](int, const Song& entry) { reading.update([&] { showEntryRead(s, entry); }); });
    if (!previous.opened) {
        showMessage(app, "previous year not present....");
        return false;
    }
    // The last entry read stays on the screen, whichever was last presented.
    if (!previous.entries.empty()) showEntryRead(s, previous.entries.back());

    if (state.mode == NewSongsMode::newSongs) {
        if (chartYear > kLastYearWithoutHistory) {
            state.result = findNewSongs(app.songs);
            return true;
        }
        showMessage(app, "No History present for New Songs");
        state.mode = NewSongsMode::disappeared;
    }
    ProgressPacer checking(s, clock);
    state.result = findDisappeared(previous.entries, app.songs, state.matchLength, [&](int i) {
        checking.update([&] {
            moveCursor(s, 10, 10);
            eraseToEndOfLine(s);
            printText(s, "Checking Songs, one moment..... %d", i);
        });
    });
    return true;
}

}  // namespace

void writeNewSongsPage(App& app, NewSongsMode mode, const std::vector<Song>& result) {
    const int chartYear = app.settings.chartYear;
    publishPage(app, app.settings.templateRest, newSongsPageName(mode),
                newSongsTitleLine(mode, chartYear),
                [&](std::string& out) { appendNewSongsPageBody(out, mode, result, chartYear); });
}

void showNewSongs(App& app, const MillisecondClock& clock) {
    NewSongsState state;
    if (!buildList(app, state, clock)) return;

    StatisticsView view;
    view.drawHeader = [&](Screen& s) {
        const int count = static_cast<int>(state.result.size());
        const bool isNew = state.mode == NewSongsMode::newSongs;
        const std::string heading =
            isNew ? formatText("%3d New Songs in %d        ", count, app.settings.chartYear)
                  : formatText("%3d Disappeared Songs in %d", count, app.settings.chartYear);
        moveCursor(s, 0, 0);
        printText(s, " Place %s  ", heading.c_str());
        moveCursor(s, 1, 0);
        printText(s, " ===== %s  ",
                  isNew ? "=====================        " : "=============================");
    };
    view.rowCount = [&] { return static_cast<int>(state.result.size()); };
    // A song without a year is counted in the heading but takes no line.
    view.takesLine = [&](int r) { return state.result[r].year != 0; };
    view.drawRow = [&](Screen& s, int r) {
        const Song& e = state.result[r];
        printText(s, "%4d  %s - %s  %4d", e.place, e.artist.c_str(), e.song.c_str(), e.year);
    };
    view.rowColumn = 1;
    view.keyLine = "(N)ew Songs (D)isappeared Songs (Q)uit (G)enerate HTML ";
    view.onKey = [&](int key) {
        // No upper bound but the int's: past the name width a longer match
        // length changes nothing.
        if (!applyLimitKey(key, state.matchLength, kLeastMatchLength)) {
            switch (key) {
                case 'N':
                    state.mode = NewSongsMode::newSongs;
                    break;
                case 'D':
                    state.mode = NewSongsMode::disappeared;
                    break;
                case 'G':
                    writeNewSongsPage(app, state.mode, state.result);
                    return ViewKey::redraw;
                default:
                    return ViewKey::redraw;
            }
        }
        return buildList(app, state, clock) ? ViewKey::rebuilt : ViewKey::leave;
    };
    runStatisticsView(app, view);
}

void showNewSongs(App& app) {
    const auto start = std::chrono::steady_clock::now();
    showNewSongs(app, [start] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now() - start)
            .count();
    });
}

}  // namespace hv
