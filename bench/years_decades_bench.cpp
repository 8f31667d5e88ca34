// The year and decade rankings rebuilt on a full list of 10,010 songs: years
// found through an index beside the scan of every row per song, on a list
// of chart years (about 75 of them) and on one where every song has its own
// year (the scan's worst case).
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "stats/top_decades.h"
#include "stats/top_years.h"

namespace {

constexpr int kSongs = hv::kSongCapacity;

hv::SongTable fullList(bool everyYearDistinct) {
    hv::SongTable table;
    std::mt19937 random(9);
    table.count = kSongs;
    for (int r = 0; r < kSongs; ++r) {
        hv::Song& s = table.rows[r];
        s.place = r + 1;
        s.artist = hv::fitName("Artist " + std::to_string(random() % 3000));
        s.song = hv::fitName("Song " + std::to_string(random()));
        s.year = everyYearDistinct ? r + 1 : 1950 + static_cast<int>(random() % 76);
        if (!everyYearDistinct && random() % 20 == 0) s.year = 0;
    }
    return table;
}

void BM_RankYears(benchmark::State& state) {
    const hv::SongTable table = fullList(state.range(0) != 0);
    for (auto _ : state) benchmark::DoNotOptimize(hv::rankYears(table, 1));
}

void BM_RankYearsScanning(benchmark::State& state) {
    const hv::SongTable table = fullList(state.range(0) != 0);
    for (auto _ : state) {
        std::vector<hv::BandRow> rows = hv::groupByYearScanning(table);
        hv::finishYearsRanking(rows, 1);
        benchmark::DoNotOptimize(rows);
    }
}

void BM_RankDecades(benchmark::State& state) {
    const hv::SongTable table = fullList(state.range(0) != 0);
    for (auto _ : state) benchmark::DoNotOptimize(hv::rankDecades(table, 1));
}

}  // namespace

// Argument 0: chart years; 1: every song its own year.
BENCHMARK(BM_RankYears)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RankYearsScanning)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RankDecades)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
