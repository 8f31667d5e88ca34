#include "html/site_pages.h"

#include <memory>

#include "database/text_files.h"
#include "database/text_format.h"
#include "html/vote_form.h"
#include "stats/band_overview.h"
#include "stats/countries.h"
#include "stats/new_songs.h"
#include "stats/song_lengths.h"
#include "stats/top_artists.h"
#include "stats/top_decades.h"
#include "stats/top_years.h"

namespace hv {

namespace {

// The statistics mode every view shares starts at 0 in a new run.
constexpr int kStartMode = 0;

template <typename T>
std::shared_ptr<const T> keep(T value) {
    return std::make_shared<const T>(std::move(value));
}

}  // namespace

std::vector<SitePage> statisticsPages(const std::string& folder, const SongTable& songs,
                                      const Settings& settings) {
    const int year = settings.chartYear;
    const std::string& rest = settings.templateRest;
    std::vector<SitePage> pages;

    auto artists = keep(rankArtists(songs, kStartMode, kTopArtistsStartMinimum));
    pages.push_back({rest, kTopArtistsPage, formatText("<TITLE>Top Artists %d</TITLE>\n", year),
                     [artists, year, &songs](std::string& out) {
                         appendTopArtistsPageBody(out, *artists, year, songs.count);
                     },
                     ""});
    auto years = keep(rankYears(songs, kStartMode));
    pages.push_back({rest, kTopYearsPage, formatText("<TITLE>Top Years %d</TITLE>\n", year),
                     [years, year, &songs](std::string& out) {
                         appendTopYearsPageBody(out, *years, year, songs.count);
                     },
                     ""});
    auto decades = keep(rankDecades(songs, kStartMode));
    pages.push_back({rest, kTopDecadesPage, formatText("<TITLE>Top Decades %d</TITLE>\n", year),
                     [decades, year, &songs](std::string& out) {
                         appendTopDecadesPageBody(out, *decades, year, songs.count);
                     },
                     ""});

    SitePage country{rest,
                     countryPageName(kCountryStartMaximum),
                     formatText("<TITLE>Country Overview %d</TITLE>\n", year),
                     {},
                     ""};
    if (std::optional<std::string> text = readWholeFile(folderPath(folder, kCountryFile))) {
        auto overview =
            keep(buildCountryOverview(songs, *text, kCountryStartMaximum, kCountrySortSongs));
        country.body = [overview, year](std::string& out) {
            appendCountryPageBody(out, *overview, year, kCountrySortSongs);
        };
    } else {
        country.problem = std::string(kCountryFile) + " not present";
    }
    pages.push_back(std::move(country));

    auto lengths = keep(buildSongLengths(songs, LengthKind::longest));
    pages.push_back(
        {rest, songLengthsPageName(lengths->kind),
         formatText("<TITLE>Song Length Overview %d</TITLE>\n", year),
         [lengths, year](std::string& out) { appendSongLengthsPageBody(out, *lengths, year); },
         ""});

    auto lines = keep(buildBandOverview(songs, kBandModeNormal, kBandOverviewStartMinimum));
    pages.push_back({rest, bandOverviewPageName(kBandModeNormal),
                     formatText("<TITLE>Song Overview %d</TITLE>\n", year),
                     [lines, year, &songs](std::string& out) {
                         appendBandOverviewPageBody(out, songs, *lines, year,
                                                    kBandOverviewStartMinimum, kBandModeNormal);
                     },
                     ""});
    pages.push_back({settings.voteForm, kVoteFormPage, kVoteFormTitle,
                     [lines, &songs](std::string& out) {
                         appendVoteFormBody(out, songs, *lines, kBandModeNormal);
                     },
                     ""});

    const NewSongsMode mode =
        year > kLastYearWithoutHistory ? NewSongsMode::newSongs : NewSongsMode::disappeared;
    SitePage fresh{rest, newSongsPageName(mode), newSongsTitleLine(mode, year), {}, ""};
    PreviousYearList previous = readPreviousYear(folder, year, {});
    if (!previous.opened) {
        fresh.problem = previousYearFileName(year) + " not present";
    } else {
        auto found = keep(mode == NewSongsMode::newSongs
                              ? findNewSongs(songs)
                              : findDisappeared(previous.entries, songs, kStartMatchLength, {}));
        fresh.body = [found, mode, year](std::string& out) {
            appendNewSongsPageBody(out, mode, *found, year);
        };
    }
    pages.push_back(std::move(fresh));
    return pages;
}

}  // namespace hv
