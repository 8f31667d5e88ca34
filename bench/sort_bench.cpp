// The exchange sort against the stable sort on a list of 10,000 songs: in
// reverse chart order (the exchange sort's worst case) and by artist.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "database/list_order.h"

namespace {

constexpr int kSongs = 10000;

hv::SongTable reverseChart() {
    hv::SongTable table;
    std::mt19937 random(7);
    table.count = kSongs;
    for (int r = 0; r < kSongs; ++r) {
        hv::Song& s = table.rows[r];
        s.place = kSongs - r;
        s.artist = hv::fitName("Artist " + std::to_string(random() % 3000));
        s.song = hv::fitName("Song " + std::to_string(random()));
        s.year = 1950 + static_cast<int>(random() % 70);
        s.prevRank = 9999;
        s.duration = "03:45";
        s.votes = static_cast<int>(random() % 500);
    }
    return table;
}

void runSort(benchmark::State& state, bool exchange, int order) {
    const hv::SongTable original = reverseChart();
    long long comparisons = 0;
    for (auto _ : state) {
        state.PauseTiming();
        hv::SongTable table = original;
        state.ResumeTiming();
        if (exchange)
            comparisons = hv::exchangeSortRows(table, order);
        else
            hv::sortRows(table, order);
        benchmark::DoNotOptimize(table.rows.data());
    }
    if (exchange) state.counters["comparisons"] = static_cast<double>(comparisons);
}

void BM_ExchangeSortRanking(benchmark::State& state) {
    runSort(state, true, hv::kSortRanking);
}
void BM_StableSortRanking(benchmark::State& state) {
    runSort(state, false, hv::kSortRanking);
}
void BM_ExchangeSortArtist(benchmark::State& state) {
    runSort(state, true, hv::kSortArtist);
}
void BM_StableSortArtist(benchmark::State& state) {
    runSort(state, false, hv::kSortArtist);
}

}  // namespace

// The exchange sort takes seconds per run: a couple of runs are enough.
BENCHMARK(BM_ExchangeSortRanking)->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StableSortRanking)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExchangeSortArtist)->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StableSortArtist)->Unit(benchmark::kMillisecond);
