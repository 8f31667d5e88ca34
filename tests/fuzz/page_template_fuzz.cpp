// A page template and, behind a record separator, song lines in the generic
// layout: the template is cut into pieces that hold all of it, and the chart
// and summary pages made from it are well-formed around every name.
#include "database/song_file.h"
#include "fuzz/harnesses.h"
#include "html/chart_pages.h"

namespace hv {

namespace {

void requireWholePieces(std::string_view text) {
    std::string joined;
    for (std::string_view piece : templatePieces(text)) {
        size_t end = piece.find('\n');
        require(end == std::string_view::npos || end + 1 == piece.size(),
                "a template piece runs past its line end");
        size_t counted = piece.size() - (piece.ends_with("\r\n") ? 1 : 0);
        require(!piece.empty() && counted <= kTemplatePieceLength, "a template piece too long");
        joined += piece;
    }
    require(joined == text, "the template pieces do not hold the template");
}

}  // namespace

int fuzzPageTemplate(const uint8_t* data, size_t size) {
    std::vector<std::string> parts = splitInput(data, size, 2);
    requireWholePieces(parts[0]);

    // Static, as a new table costs more than the run.
    static SongTable songs;
    songs.count = 0;
    std::string_view lines = parts[1];
    while (!lines.empty() && songs.count < 12) {
        size_t end = lines.find('\n');
        songs.rows[songs.count++] = parseSongLine(lines.substr(0, end), SongLayout::Generic);
        lines.remove_prefix(end == std::string_view::npos ? lines.size() : end + 1);
    }
    Settings settings = defaultSettings(2026);
    settings.songsPerPage = 5;
    LinkTables links;
    const std::string noFolder = "/nonexistent/";
    ChartSource source{noFolder, songs, settings, links};

    // The pages publish the songs in ranking order, whatever order they came in.
    std::string title = chartTitleLine(settings.chartYear), chartBodies, body;
    auto writeBody = [&](std::string& out) { out += body; };
    for (int page = 0; page <= lastChartPage(songs.count, settings.songsPerPage); ++page) {
        body.clear();
        appendChartPageBody(body, source, page);
        requireWellFormedBody(body);
        chartBodies += body;
        fillTemplate(parts[0], title, writeBody, MarkerScan::untilBody);
    }
    requireRowsShowNames(chartBodies, songs);
    body.clear();
    appendSummaryPageBody(body, source);
    requireWellFormedBody(body);
    requireRowsShowNames(body, songs);
    fillTemplate(parts[0], title, writeBody, MarkerScan::wholeTemplate);
    return 0;
}

}  // namespace hv

HV_FUZZ_ENTRY(fuzzPageTemplate)
