#include "votes/vote_overview_screen.h"

#include "app.h"
#include "console/sort_list.h"
#include "html/publish_screen.h"
#include "stats/statistics_list_screen.h"
#include "votes/vote_overview.h"

namespace hv {

void showVoteOverview(App& app) {
    SongTable& songs = app.songs;
    songs.sortOrder = kSortVotes;
    sortList(app);
    StatisticsView view;
    view.drawHeader = [&](Screen& s) {
        moveCursor(s, 0, 1);
        printText(s, "%4d  Vote Overview                                                  Votes ",
                  app.settings.chartYear);
        putTextAt(s, 1, 7, "=============                                                  ===== ");
    };
    view.rowCount = [&] { return songs.count; };
    view.takesLine = [&](int r) { return !isEmptyText(songs.rows[r].artist); };
    // The number in front is the position in the vote order, not the place.
    view.drawRow = [&](Screen& s, int r) {
        const Song& song = songs.rows[r];
        printText(s, "%4d. %s - %s %5d  %s", r + 1, song.artist.c_str(), song.song.c_str(),
                  song.votes, song.country.c_str());
    };
    view.rowColumn = 1;
    view.keyLine = "(Q)uit (C)lear Votes (G)enerate HTML  ";
    view.keyColumn = 0;
    view.onKey = [&](int key) {
        if (key == 'C') {
            for (int r = 0; r < songs.count; ++r) songs.rows[r].votes = 0;
            songs.changeCount += 1;
        } else if (key == 'G') {
            publishPage(app, app.settings.templateRest, kVoteOverviewPage,
                        formatText(kVoteOverviewTitle, app.settings.chartYear),
                        [&](std::string& out) {
                            appendVoteOverviewBody(out, songs, app.settings.chartYear);
                        });
            return ViewKey::leave;
        }
        return ViewKey::redraw;
    };
    runStatisticsView(app, view);
    songs.sortOrder = kSortRanking;
    sortList(app);
}

}  // namespace hv
