#include "console/main_commands.h"

#include "app.h"
#include "console/help.h"
#include "console/prompts.h"
#include "console/search.h"
#include "console/song_editing.h"
#include "console/sort_list.h"
#include "database/configuration_screen.h"
#include "database/import_screen.h"
#include "database/save_list_screen.h"
#include "html/chart_pages_screen.h"
#include "maintenance/append_screen.h"
#include "maintenance/double_check_screen.h"
#include "maintenance/find_replace_screen.h"
#include "stats/band_overview_screen.h"
#include "stats/countries_screen.h"
#include "stats/new_songs_screen.h"
#include "stats/song_lengths_screen.h"
#include "stats/top_artists_screen.h"
#include "stats/top_decades_screen.h"
#include "stats/top_years_screen.h"
#include "votes/mail_folder_screen.h"
#include "votes/vote_import_screen.h"
#include "votes/vote_overview_screen.h"

namespace hv {

bool runCommandKey(App& app, int key) {
    // One key, one command: kept as a table for reading at a glance.
    // clang-format off
    switch (key) {
        case kKeyF1: showHelp(app); return true;
        case kKeyF2: editSong(app); return true;
        case kKeyF3: moveSong(app); return true;
        case kKeyF4: saveList(app); return true;
        case kKeyF5: appendFromFile(app); return true;
        case kKeyF6: app.songs.sortOrder = kSortArtist; sortList(app); return true;
        case kKeyF7: app.songs.sortOrder = kSortSong; sortList(app); return true;
        case kKeyF8: app.songs.sortOrder = kSortVotes; sortList(app); return true;
        case kKeyF9: app.songs.sortOrder = kSortRanking; sortList(app); return true;
        case kKeyF10: configurationScreen(app); return true;
        case kKeyF11: importEmailVotes(app); return true;
        case kKeyF12: showVoteOverview(app); return true;
        case kKeyInsert: insertSong(app); return true;
        case kKeyDelete: deleteSong(app); return true;
        case 'A': showTopArtists(app); return true;
        case 'B': showBandOverview(app); return true;
        case 'C': showCountries(app); return true;
        case 'D': showTopDecades(app); return true;
        case 'E': openInBrowser(app, "index.htm"); return true;
        case 'F': app.searchPosition = 0; findSong(app); return true;
        case 'H': writeChartPages(app); return true;
        case 'I': importWithFilePrompt(app); return true;
        case 'J': checkForDoubles(app); return true;
        case 'L': importWithLimitPrompt(app); return true;
        case 'N': app.searchPosition += 1; findNext(app); return true;
        case 'O': convertOutlookFolder(app); return true;
        case 'P': app.searchPosition -= 1; findPrevious(app); return true;
        case 'Q': quitProgram(app); return true;
        case 'R': findAndReplace(app); return true;
        case 'S': showNewSongs(app); return true;
        case 'T': showSongLengths(app); return true;
        case 'V': writeSummaryPage(app); return true;
        case 'Y': showTopYears(app); return true;
        default: return false;
    }
    // clang-format on
}

}  // namespace hv
