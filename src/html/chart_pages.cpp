#include "html/chart_pages.h"

#include <sys/stat.h>

#include <algorithm>
#include <charconv>
#include <optional>

#include "database/list_order.h"
#include "database/text_files.h"
#include "html/html_escape.h"
#include "html/page_template.h"
#include "html/reference_links.h"
#include "html/status_mark.h"

namespace hv {

namespace {

// clang-format off
constexpr const char* kChartLegend =
    "<IMG BORDER=0 hspace=2 SRC=smile.gif> Song going up       A = Artist Info       S = Song Info\n"
    "<IMG BORDER=0 hspace=2 SRC=sad.gif> Song going down     C = Video Clip        L = Lyric\n"
    "<IMG BORDER=0 hspace=2 SRC=biggrin.gif> New Song              \n\n";
constexpr const char* kChartHeading =
    "%4d   HITVAULT Statistics                                           Year %4d            Status\n";
constexpr const char* kChartUnderline =
    "       ===================                                           ==== ====            ======\n";
constexpr const char* kSummaryHeading =
    "%4d   HITVAULT Statistics                                            Year Prev Votes            Status\n";
constexpr const char* kSummaryUnderline =
    "       ===================                                            ==== ==== =====            ======\n";
// clang-format on

int pageSize(const Settings& settings) {
    return std::max(1, settings.songsPerPage);
}

std::string button(const char* image, const char* alt, int page) {
    return formatText("<a href=top%05d.htm><img border=0 src=but/%s alt=%s></a>", page, image, alt);
}

// The folder of the chart pages is made when it is missing, but only when
// the template is there, so a missing template leaves nothing behind. A
// failure shows up when the first page cannot be written.
void makeChartFolder(const ChartSource& source) {
    if (!canOpenForReading(folderPath(source.folder, source.settings.templateMain))) return;
    ::mkdir(folderPath(source.folder, kChartFolder).c_str(), 0777);
}

// Pages always publish the chart in ranking order, whatever order the user
// sorted the list into; the user's list stays as it is. The link tables are
// indexed here unless the caller did so for a whole series.
template <typename Write>
auto withRankedSongs(const ChartSource& source, Write write) {
    std::optional<LinkIndexes> ownIndex;
    const LinkIndexes* index = source.linkIndex;
    if (!index) index = &ownIndex.emplace(source.links);
    if (inRankingOrder(source.songs))
        return write(
            ChartSource{source.folder, source.songs, source.settings, source.links, index});
    const SongTable ranked = rankedCopy(source.songs);
    return write(ChartSource{source.folder, ranked, source.settings, source.links, index});
}

// printf's "%*d".
void appendNumber(std::string& out, int value, int width) {
    char digits[16];
    auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
    int length = static_cast<int>(end - digits);
    if (length < width) out.append(static_cast<size_t>(width - length), ' ');
    out.append(digits, end);
}

void appendYearText(std::string& out, int year) {
    if (year == 0)
        out += "    ";
    else
        appendNumber(out, year, 4);
}

void appendPreviousPlaceText(std::string& out, int prevRank) {
    if (prevRank == kNewSong)
        out += " new";
    else if (prevRank == kNoPreviousPlace)
        out += "    ";
    else
        appendNumber(out, prevRank, 4);
}

// Room for a typical row, so that a page grows at most once or twice.
constexpr size_t kRowSizeEstimate = 640;

}  // namespace

std::string chartTitleLine(int chartYear) {
    return formatText("<TITLE>Hitvault %d</TITLE>\n", chartYear);
}

int lastChartPage(int songCount, int songsPerPage) {
    if (songCount <= 0) return 0;
    return (songCount - 1) / std::max(1, songsPerPage);
}

std::string chartPageName(int page) {
    return formatText("%s/top%05d.htm", kChartFolder, page);
}

ChartButtons chartButtons(int page, int lastPage) {
    ChartButtons b;
    b.home = 0;
    b.back3 = std::max(0, page - 3);
    b.back = page == 0 ? 0 : page - 1;
    b.forward = page == lastPage ? lastPage : page + 1;
    b.forward3 = page + 3 >= lastPage ? lastPage : page + 3;
    b.end = lastPage;
    return b;
}

std::string navigationLine(int page, int lastPage) {
    ChartButtons b = chartButtons(page, lastPage);
    std::string line;
    appendFormat(line, "\n<center>%s %s %s %s %s %s\n</center>",
                 button("home.jpg", "Home", b.home).c_str(),
                 button("back3.jpg", "Back3", b.back3).c_str(),
                 button("back.jpg", "Previous", b.back).c_str(),
                 button("forward.jpg", "Next", b.forward).c_str(),
                 button("forward3.jpg", "Forward3", b.forward3).c_str(),
                 button("end.jpg", "End", b.end).c_str());
    return line;
}

std::string previousPlaceText(int prevRank) {
    if (prevRank == kNewSong) return " new";
    if (prevRank == kNoPreviousPlace) return "    ";
    return formatText("%4d", prevRank);
}

std::string yearText(int year) {
    if (year == 0) return "    ";
    return formatText("%4d", year);
}

void appendSongRow(std::string& out, const ChartSource& source, const Song& song, int position,
                   SongRowKind kind) {
    if (!source.linkIndex) {
        // A row on its own: worth no index.
        const LinkIndexes scanned(source.links, LinkLookup::scan);
        ChartSource withLinks = source;
        withLinks.linkIndex = &scanned;
        appendSongRow(out, withLinks, song, position, kind);
        return;
    }
    appendNumber(out, position, 4);
    out += ".  ";
    appendEscapedText(out, song.artist);
    out += " - ";
    appendEscapedText(out, song.song);
    out.push_back(' ');
    appendYearText(out, song.year);
    out.push_back(' ');
    appendPreviousPlaceText(out, song.prevRank);
    if (kind == SongRowKind::summaryPage) {
        out.push_back(' ');
        appendNumber(out, song.votes, 5);
    }
    out += "  ";
    appendArtistInfoLink(out, song.artist, source.linkIndex->artists);
    out += "A</a> ";
    appendSongInfoLink(out, song.song, song.country, source.linkIndex->songs);
    out += "S</a> ";
    appendVideoLink(out, song.artist, song.song);
    out += "C</a> ";
    appendLyricsLink(out, song.artist, song.song);
    out += "L</a>   ";
    if (kind == SongRowKind::chartPage || source.settings.includeSmileys == kSwitchOn)
        appendStatusMarkImages(out, statusMark(song.prevRank, song.place));
    out.push_back('\n');
}

namespace {

// The songs are in ranking order and the links indexed.
void appendRankedChartPageBody(std::string& out, const ChartSource& ranked, int page) {
    const SongTable& songs = ranked.songs;
    const int chartYear = ranked.settings.chartYear;
    int perPage = pageSize(ranked.settings);
    int first = std::min(page * perPage, songs.count);
    int last = std::min(first + perPage, songs.count);
    out.reserve(out.size() + static_cast<size_t>(last - first + 8) * kRowSizeEstimate);
    out += kChartLegend;
    appendFormat(out, kChartHeading, chartYear, chartYear - 1);
    out += kChartUnderline;
    for (int r = first; r < last; ++r)
        appendSongRow(out, ranked, songs.rows[r], r + 1, SongRowKind::chartPage);
    out += navigationLine(page, lastChartPage(songs.count, perPage));
}

}  // namespace

void appendChartPageBody(std::string& out, const ChartSource& source, int page) {
    withRankedSongs(
        source, [&](const ChartSource& ranked) { appendRankedChartPageBody(out, ranked, page); });
}

void appendSummaryPageBody(std::string& out, const ChartSource& source) {
    withRankedSongs(source, [&](const ChartSource& ranked) {
        out.reserve(out.size() + static_cast<size_t>(ranked.songs.count + 8) * kRowSizeEstimate);
        appendFormat(out, kSummaryHeading, ranked.settings.chartYear);
        out += kSummaryUnderline;
        for (int r = 0; r < ranked.songs.count; ++r)
            appendSongRow(out, ranked, ranked.songs.rows[r], r + 1, SongRowKind::summaryPage);
    });
    LineReader figures(folderPath(source.folder, kVoteFiguresFile));
    if (!figures.isOpen()) return;
    out += "\n   Statistic This Week                       Overall Statistic\n";
    std::string line;
    while (figures.next(line)) {
        out += "   ";
        appendEscapedText(out, line);
        out.push_back('\n');
    }
}

namespace {

ChartPagesResult writeRankedChartPages(const ChartSource& source,
                                       const ChartPagesProgress& progress) {
    makeChartFolder(source);
    int last = lastChartPage(source.songs.count, pageSize(source.settings));
    std::string title = chartTitleLine(source.settings.chartYear);
    for (int page = 0; page <= last; ++page) {
        if (progress) progress(page, last);
        std::string name = chartPageName(page);
        PageStatus status = writeTemplatePage(
            source.folder, source.settings.templateMain, name, title,
            [&](std::string& out) { appendRankedChartPageBody(out, source, page); },
            MarkerScan::untilBody);
        if (status != PageStatus::written) return {status, name};
    }
    return {};
}

}  // namespace

ChartPagesResult writeChartPages(const ChartSource& unranked, const ChartPagesProgress& progress) {
    // Ranked and indexed once for the whole series rather than for every page.
    return withRankedSongs(unranked, [&](const ChartSource& source) {
        return writeRankedChartPages(source, progress);
    });
}

}  // namespace hv
