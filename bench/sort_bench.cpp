// The four sorts of the list (F6 to F9 and the sorts before saving and
// counting votes) on a full list of 10,010 songs in reverse chart order, the
// exchange sort's worst case for Ranking: the index sort beside the exchange
// sort it replaced.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "database/list_order.h"
#include "full_size_lists.h"

namespace {

const hv::SongTable& reverseChart() {
    static const hv::SongTable table = [] {
        hv::SongTable t = hv::bench::fullSizeList(hv::bench::kRealisticArtists);
        std::reverse(t.rows.begin(), t.rows.begin() + t.count);
        return t;
    }();
    return table;
}

void runSort(benchmark::State& state, bool exchange) {
    const int order = static_cast<int>(state.range(0));
    long long comparisons = 0;
    for (auto _ : state) {
        state.PauseTiming();
        hv::SongTable table = reverseChart();
        state.ResumeTiming();
        if (exchange)
            comparisons = hv::exchangeSortRows(table, order);
        else
            hv::sortRows(table, order);
        benchmark::DoNotOptimize(table.rows.data());
    }
    if (exchange) state.counters["comparisons"] = static_cast<double>(comparisons);
}

void BM_SortRows(benchmark::State& state) {
    runSort(state, false);
}
void BM_ExchangeSortRows(benchmark::State& state) {
    runSort(state, true);
}

}  // namespace

// Argument: the sort order, 1 Artist, 2 Song, 3 Ranking, 4 Votes.
BENCHMARK(BM_SortRows)->DenseRange(1, 4)->Unit(benchmark::kMillisecond);
// The exchange sort takes seconds per run: one run is enough.
BENCHMARK(BM_ExchangeSortRows)
    ->DenseRange(1, 4)
    ->Iterations(1)
    ->Repetitions(1)
    ->Unit(benchmark::kMillisecond);
