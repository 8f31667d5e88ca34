// The chart pages (key H) and the summary page (key V) at full size: 10,010
// songs of 3,001 artists with both link tables full, through the link index
// beside the scan of the tables for every row. The chart pages are written
// to a temporary folder on disk with the example templates.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "full_size_lists.h"
#include "html/chart_pages.h"

namespace {

namespace fs = std::filesystem;

struct FullChart {
    hv::SongTable songs = hv::bench::fullSizeList(hv::bench::kRealisticArtists);
    hv::LinkTables links = hv::bench::fullLinkTables(songs);
    hv::Settings settings = hv::defaultSettings(2026);
    std::string folder;

    FullChart() {
        char name[] = "/tmp/hitvault_chart_bench_XXXXXX";
        folder = std::string(::mkdtemp(name)) + "/";
        const fs::path examples = fs::path(__FILE__).parent_path().parent_path() / "example";
        for (const char* file : {"base.htm", "base2.htm"})
            fs::copy_file(examples / file, folder + file);
    }
    ~FullChart() { fs::remove_all(folder); }
};

FullChart& chart() {
    static FullChart made;
    return made;
}

void runChartPages(benchmark::State& state, hv::LinkLookup lookup) {
    FullChart& c = chart();
    c.settings.songsPerPage = static_cast<int>(state.range(0));
    const hv::LinkIndexes index(c.links, lookup);
    const hv::ChartSource source{c.folder, c.songs, c.settings, c.links, &index};
    for (auto _ : state) {
        hv::ChartPagesResult result = hv::writeChartPages(source);
        if (result.status != hv::PageStatus::written) state.SkipWithError("page not written");
    }
    state.counters["pages"] = hv::lastChartPage(c.songs.count, c.settings.songsPerPage) + 1;
}

// Timed from the tables as the program holds them, so the index is built
// in every run, as for every H.
void BM_ChartPagesOnDisk(benchmark::State& state) {
    FullChart& c = chart();
    c.settings.songsPerPage = static_cast<int>(state.range(0));
    const hv::ChartSource source{c.folder, c.songs, c.settings, c.links};
    for (auto _ : state) {
        hv::ChartPagesResult result = hv::writeChartPages(source);
        if (result.status != hv::PageStatus::written) state.SkipWithError("page not written");
    }
    state.counters["pages"] = hv::lastChartPage(c.songs.count, c.settings.songsPerPage) + 1;
}

void BM_ChartPagesOnDiskLiteralScan(benchmark::State& state) {
    runChartPages(state, hv::LinkLookup::scan);
}

void runSummaryBody(benchmark::State& state, const hv::LinkIndexes* index) {
    FullChart& c = chart();
    const hv::ChartSource source{c.folder, c.songs, c.settings, c.links, index};
    size_t size = 0;
    for (auto _ : state) {
        std::string body;
        hv::appendSummaryPageBody(body, source);
        size = body.size();
        benchmark::DoNotOptimize(body.data());
    }
    state.counters["bytes"] = static_cast<double>(size);
}

void BM_SummaryPageBody(benchmark::State& state) {
    runSummaryBody(state, nullptr);
}

void BM_SummaryPageBodyLiteralScan(benchmark::State& state) {
    const hv::LinkIndexes scan(chart().links, hv::LinkLookup::scan);
    runSummaryBody(state, &scan);
}

// The whole of key V but the offer: template, body and the file on disk.
void BM_SummaryPageOnDisk(benchmark::State& state) {
    FullChart& c = chart();
    const hv::ChartSource source{c.folder, c.songs, c.settings, c.links};
    for (auto _ : state) {
        hv::PageStatus status = hv::writeTemplatePage(
            c.folder, c.settings.templateRest, hv::kSummaryPage, hv::chartTitleLine(2026),
            [&](std::string& out) { hv::appendSummaryPageBody(out, source); });
        if (status != hv::PageStatus::written) state.SkipWithError("page not written");
    }
}

}  // namespace

BENCHMARK(BM_ChartPagesOnDisk)->Arg(100)->Arg(1)->Unit(benchmark::kMillisecond);
// The scan takes seconds per run: one run is enough.
BENCHMARK(BM_ChartPagesOnDiskLiteralScan)
    ->Arg(100)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SummaryPageBody)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SummaryPageOnDisk)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SummaryPageBodyLiteralScan)->Iterations(1)->Unit(benchmark::kMillisecond);
