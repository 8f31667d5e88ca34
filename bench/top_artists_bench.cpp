// Top artists rebuilt on a full list of 10,010 songs, in each mode: the
// grouping through the index of names beside the scan of every earlier group
// per song; and the page body of the whole ranking.
#include <benchmark/benchmark.h>

#include <string>

#include "full_size_lists.h"
#include "stats/artist_grouping.h"
#include "stats/top_artists.h"

namespace {

// Minimum 1 ranks every artist: the most work a rebuild can have.
constexpr int kMinimum = 1;

// Kind 0: 3,001 artists; 1: every song its own artist; 2: as 1, with ten
// fields left unpadded, so that short names occur inside longer fields.
const hv::SongTable& listOfKind(int kind) {
    static const hv::SongTable lists[] = {
        hv::bench::fullSizeList(hv::bench::kRealisticArtists),
        hv::bench::fullSizeList(hv::bench::kFullSize), [] {
            hv::SongTable t = hv::bench::fullSizeList(hv::bench::kFullSize);
            for (int r = 0; r < t.count; r += t.count / 10)
                t.rows[r].artist = t.rows[r].artist.substr(0, 3 + r % 7);
            return t;
        }()};
    return lists[kind];
}

void BM_TopArtistsRebuild(benchmark::State& state) {
    const hv::SongTable& songs = listOfKind(static_cast<int>(state.range(0)));
    const int mode = static_cast<int>(state.range(1));
    for (auto _ : state) benchmark::DoNotOptimize(hv::rankArtists(songs, mode, kMinimum).data());
}

void BM_TopArtistsRebuildScan(benchmark::State& state) {
    const hv::SongTable& songs = listOfKind(static_cast<int>(state.range(0)));
    const int mode = static_cast<int>(state.range(1));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            hv::rankArtistGroups(hv::groupByArtist(songs), mode, kMinimum).data());
}

void BM_TopArtistsPage(benchmark::State& state) {
    const hv::SongTable& songs = listOfKind(static_cast<int>(state.range(0)));
    const std::vector<hv::BandRow> ranking = hv::rankArtists(songs, hv::kModeSongCount, kMinimum);
    for (auto _ : state) {
        std::string page;
        hv::appendTopArtistsPageBody(page, ranking, 2026, songs.count);
        benchmark::DoNotOptimize(page.data());
    }
}

}  // namespace

// Arguments: the list kind (above) and the mode (0 songs, 1 average, 2 both).
BENCHMARK(BM_TopArtistsRebuild)->ArgsProduct({{0, 1, 2}, {0, 1, 2}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TopArtistsRebuildScan)
    ->ArgsProduct({{0, 1, 2}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TopArtistsPage)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);
