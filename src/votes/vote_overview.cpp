#include "votes/vote_overview.h"

#include <algorithm>

#include "database/text_format.h"
#include "html/html_escape.h"

namespace hv {

namespace {
constexpr int kOverviewRows = 20;
}  // namespace

int lastOverviewTop(int songCount) {
    return std::max(0, songCount - kOverviewRows);
}

void appendVoteOverviewBody(std::string& out, const SongTable& songs, int chartYear) {
    // The screen's columns: the title from column 1, its underline from 7.
    appendFormat(out,
                 " %4d  Vote Overview                                                  Votes \n",
                 chartYear);
    out += "       =============                                                  ===== \n\n";
    for (int r = 0; r < songs.count; ++r) {
        const Song& song = songs.rows[r];
        if (isEmptyText(song.artist)) continue;
        appendFormat(out, " %4d. %s - %s %5d  %s\n", r + 1, escapeHtmlText(song.artist).c_str(),
                     escapeHtmlText(song.song).c_str(), song.votes,
                     escapeHtmlText(song.country).c_str());
    }
}

}  // namespace hv
