// The band overview's rebuild on a full list of 10,010 songs by about 2,500
// artists: the grouped build beside the literal scan (every kept artist
// scanning the whole list), at the starting minimum and at minimum 1, where
// every artist is listed; and the vote form's body for the whole list.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "html/vote_form.h"
#include "stats/band_overview.h"

namespace {

hv::SongTable fullList() {
    hv::SongTable table;
    std::mt19937 random(10);
    table.count = hv::kSongCapacity;
    for (int r = 0; r < table.count; ++r) {
        hv::Song& s = table.rows[r];
        s.place = r + 1;
        // A few artists with many songs, many with one or two.
        int artist = static_cast<int>(random() % 50 < 10 ? random() % 100 : random() % 2500);
        s.artist = hv::fitName("Artist " + std::to_string(artist));
        s.song = hv::fitName("Song \"" + std::to_string(random()) + "\" & more");
    }
    return table;
}

void runBuild(benchmark::State& state, bool literal) {
    const hv::SongTable songs = fullList();
    const int mode = static_cast<int>(state.range(0));
    const int minimum = static_cast<int>(state.range(1));
    size_t lines = 0;
    for (auto _ : state) {
        auto overview = literal ? hv::buildBandOverviewLiteral(songs, mode, minimum)
                                : hv::buildBandOverview(songs, mode, minimum);
        lines = overview.size();
        benchmark::DoNotOptimize(overview.data());
    }
    state.counters["lines"] = static_cast<double>(lines);
}

void BM_BandOverviewBuild(benchmark::State& state) {
    runBuild(state, false);
}
void BM_BandOverviewLiteralScan(benchmark::State& state) {
    runBuild(state, true);
}

void BM_VoteFormBody(benchmark::State& state) {
    const hv::SongTable songs = fullList();
    const auto lines = hv::buildBandOverview(songs, hv::kBandModeAlphabet, 1);
    for (auto _ : state) {
        std::string out;
        hv::appendVoteFormBody(out, songs, lines, hv::kBandModeAlphabet);
        benchmark::DoNotOptimize(out.data());
    }
}

}  // namespace

// Arguments: mode (0 normal, 1 alphabet), minimum.
BENCHMARK(BM_BandOverviewBuild)
    ->Args({0, 5})
    ->Args({1, 5})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BandOverviewLiteralScan)
    ->Args({0, 5})
    ->Args({1, 1})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VoteFormBody)->Unit(benchmark::kMillisecond);
