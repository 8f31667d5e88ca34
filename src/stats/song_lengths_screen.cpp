#include "stats/song_lengths_screen.h"

#include "app.h"
#include "html/publish_screen.h"
#include "stats/statistics_list_screen.h"

namespace hv {

namespace {

SongLengths buildOnScreen(App& app, LengthKind kind) {
    if (!isSongKind(kind)) return buildSongLengths(app.songs, kind);
    // Sorting every song can take a moment on a long list.
    Screen& s = app.screen;
    SavedRegion saved = openDialog(s, kMessageBox);
    putTextAt(s, 10, 26, "Sorting, one moment.... ");
    pauseScreen(s, 0);
    SongLengths lengths = buildSongLengths(app.songs, kind);
    closeDialog(s, saved);
    return lengths;
}

}  // namespace

void writeSongLengthsPage(App& app, const SongLengths& lengths) {
    publishPage(
        app, app.settings.templateRest, songLengthsPageName(lengths.kind),
        formatText("<TITLE>Song Length Overview %d</TITLE>\n", app.settings.chartYear),
        [&](std::string& out) { appendSongLengthsPageBody(out, lengths, app.settings.chartYear); });
}

void showSongLengths(App& app) {
    SongLengths lengths = buildOnScreen(app, LengthKind::longest);
    StatisticsView view;
    view.drawHeader = [&](Screen& s) {
        moveCursor(s, 0, 1);
        if (isSongKind(lengths.kind)) {
            printText(s, "%4d  Song Length Overview    %s        Duration ", app.settings.chartYear,
                      lengths.totalText.c_str());
            moveCursor(s, 1, 1);
            printText(s, "      ====================        %s             ========",
                      lengths.averageText.c_str());
        } else {
            printText(s, "%4d  Song Length Overview           Songs     Total       Average ",
                      app.settings.chartYear);
            moveCursor(s, 1, 1);
            putText(s, "      ====================           =====    Duration    Duration");
        }
    };
    view.rowCount = [&] { return static_cast<int>(lengths.rows.size()); };
    view.rowColumn = 1;
    // A row without a name takes no screen line; an Average row of too few
    // songs keeps its line empty.
    view.takesLine = [&](int r) { return !isEmptyText(lengths.rows[r].name); };
    view.drawRow = [&](Screen& s, int r) {
        const BandRow& row = lengths.rows[r];
        if (!isListedLengthRow(lengths, row)) return;
        std::string length = shownLengthText(row.lengthText);
        if (isSongKind(lengths.kind))
            printText(s, "%4d. %s - %s    %s", r + 1, row.name.c_str(), row.bestSong.c_str(),
                      length.c_str());
        else
            printText(s, "%4d. %s   %3d    %s    %s", r + 1, row.name.c_str(), row.songCount,
                      length.c_str(), row.averageText.c_str());
    };
    view.keyLine = "(L)ongest Songs (S)hortest Songs (B)and (A)verage Duration (Q)uit (H)TML ";
    view.keyColumn = 0;
    view.onKey = [&](int key) {
        switch (key) {
            case 'L':
                lengths = buildOnScreen(app, LengthKind::longest);
                return ViewKey::rebuilt;
            case 'S':
                lengths = buildOnScreen(app, LengthKind::shortest);
                return ViewKey::rebuilt;
            case 'B':
                lengths = buildOnScreen(app, LengthKind::band);
                return ViewKey::rebuilt;
            case 'A':
                lengths = buildOnScreen(app, LengthKind::average);
                return ViewKey::rebuilt;
            case 'H':
                writeSongLengthsPage(app, lengths);
                return ViewKey::redraw;
            default:
                return ViewKey::redraw;
        }
    };
    runStatisticsView(app, view);
}

}  // namespace hv
