// The chart published in two forms: a series of linked pages of a fixed
// number of songs each (key H), and one summary page with the votes (key V).
#pragma once

#include <functional>
#include <string>

#include "database/settings.h"
#include "database/side_files.h"
#include "database/song_table.h"
#include "html/page_template.h"
#include "html/reference_links.h"

namespace hv {

constexpr const char* kChartFolder = "htm";
constexpr const char* kSummaryPage = "hitvault.htm";
constexpr const char* kVoteFiguresFile = "email.ini";

// The number of the last chart page: (songs - 1) / per page, or 0 without
// songs. A page size below 1 counts as 1.
int lastChartPage(int songCount, int songsPerPage);
// "htm/top%05d.htm".
std::string chartPageName(int page);

// The pages the six buttons of a chart page lead to, never before page 0 nor
// after the last page.
struct ChartButtons {
    int home, back3, back, forward, forward3, end;
};
ChartButtons chartButtons(int page, int lastPage);
// The navigation line below the rows of a chart page.
std::string navigationLine(int page, int lastPage);

// "%4d", or " new" for a new song, or blank without a previous place.
std::string previousPlaceText(int prevRank);
// "%4d", or blank when no year is recorded.
std::string yearText(int year);

// What the chart and summary pages are made of. The pages show the songs in
// ranking order whatever order the table is in; the table is not changed.
struct ChartSource {
    const std::string& folder;  // the working folder, with a trailing "/"
    const SongTable& songs;
    const Settings& settings;
    const LinkTables& links;
    // The link tables made ready once for a page series; when missing, each
    // page (or row written on its own) indexes them itself.
    const LinkIndexes* linkIndex = nullptr;
};

// "<TITLE>Hitvault %d</TITLE>\n" with the chart year.
std::string chartTitleLine(int chartYear);

enum class SongRowKind { chartPage, summaryPage };
// One song row: its position, names, year, previous place (and votes on the
// summary page), the four reference links and the status images (always on
// the chart pages, on the summary page when "Include Smileys" is ON).
void appendSongRow(std::string& out, const ChartSource& source, const Song& song, int position,
                   SongRowKind kind);

// The body of chart page p: legend, heading, its rows and the navigation line.
void appendChartPageBody(std::string& out, const ChartSource& source, int page);
// The body of the summary page, with the vote figures when the file exists.
void appendSummaryPageBody(std::string& out, const ChartSource& source);

struct ChartPagesResult {
    PageStatus status = PageStatus::written;
    std::string pageName;  // the page that failed
};
// Told the page about to be written (from 0) and the last page.
using ChartPagesProgress = std::function<void(int page, int lastPage)>;
// Writes every chart page from the template "HTML Template (main)" into the
// folder "htm", made when missing. The template is read again for every
// page; when it is gone, or a page cannot be written, the rest of the series
// is abandoned.
ChartPagesResult writeChartPages(const ChartSource& source,
                                 const ChartPagesProgress& progress = {});

}  // namespace hv
