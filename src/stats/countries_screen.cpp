#include "stats/countries_screen.h"

#include <algorithm>

#include "app.h"
#include "console/prompts.h"
#include "html/publish_screen.h"
#include "stats/statistics_list_screen.h"

namespace hv {

namespace {

// Artist and title are cut to this many characters on the screen.
constexpr size_t kShownNameWidth = 18;

// Reads "country.txt" and builds the overview behind the processing notice,
// showing each message and waiting for a key. False, after saying so, when
// the file is not there.
bool buildFromFile(App& app, int maximum, CountryOverview& overview) {
    std::optional<std::string> text = readWholeFile(app.path(kCountryFile));
    if (!text) {
        showMessage(app, "COUNTRY.TXT not present....");
        return false;
    }
    Screen& s = app.screen;
    SavedRegion saved = openDialog(s, kMessageBox);
    putTextAt(s, 10, 24, "Processing, one moment...");
    pauseScreen(s, 0);
    overview = buildCountryOverview(app.songs, *text, maximum, app.statisticsMode);
    for (const std::string& message : overview.messages) showMessage(app, message);
    closeDialog(s, saved);
    return true;
}

std::string shown(const std::string& name) {
    return name.substr(0, std::min(name.size(), kShownNameWidth));
}

}  // namespace

void writeCountryPage(App& app, const CountryOverview& overview) {
    publishPage(app, app.settings.templateRest, countryPageName(overview.maximum),
                formatText("<TITLE>Country Overview %d</TITLE>\n", app.settings.chartYear),
                [&](std::string& out) {
                    appendCountryPageBody(out, overview, app.settings.chartYear,
                                          app.statisticsMode);
                });
}

void showCountries(App& app) {
    int maximum = kCountryStartMaximum;
    app.statisticsMode = kCountrySortSongs;
    CountryOverview overview;
    if (!buildFromFile(app, maximum, overview)) return;
    auto rebuild = [&] {
        return buildFromFile(app, maximum, overview) ? ViewKey::rebuilt : ViewKey::leave;
    };
    // The rank shows where it changes from the line above it on the screen,
    // so also on the top line.
    int rankAbove = 0;
    StatisticsView view;
    view.drawHeader = [&](Screen& s) {
        printText(s, "%4d Country         Songs Bands Place  Best Song     Maximum : %d",
                  app.settings.chartYear, maximum);
        moveCursor(s, 1, 4);
        printText(s, " =======         ===== ===== =====  =========     Sort    : %s",
                  countrySortName(app.statisticsMode));
        rankAbove = 0;
    };
    view.rowCount = [&] { return countryLineCount(overview); };
    view.rowColumn = 1;
    view.drawRow = [&](Screen& s, int line) {
        int rank = countryLineRank(overview, line);
        CountryLineTexts texts = countryLineTexts(overview, line, rank != rankAbove);
        rankAbove = rank;
        printText(s, "%s %s  %s  %s  %s  %s - %s", texts.rank.c_str(), texts.name.c_str(),
                  texts.songs.c_str(), texts.artists.c_str(), texts.place.c_str(),
                  shown(texts.entry->artist).c_str(), shown(texts.entry->title).c_str());
    };
    view.keyLine = "(Q)uit (S)ort Mode (+) (-) (G)enerate HTML ";
    view.onKey = [&](int key) {
        if (applyLimitKey(key, maximum, 1, kCountryMaximumLimit)) return rebuild();
        switch (key) {
            case 'S':
                app.statisticsMode = nextCountrySort(app.statisticsMode);
                return rebuild();
            case 'G':
                writeCountryPage(app, overview);
                // The screen comes back at its first line.
                return ViewKey::rebuilt;
            default:
                return ViewKey::redraw;
        }
    };
    runStatisticsView(app, view);
}

}  // namespace hv
