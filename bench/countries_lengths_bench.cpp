// The countries and song-length rebuilds on a full list of 10,010 songs by
// 2,500 artists, each artist named in "country.txt": the indexed artist
// search beside the scan of the whole list for every line, and the grouping
// by artist through an index beside the scan of every earlier group.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "database/song_table.h"
#include "database/text_format.h"
#include "stats/artist_grouping.h"
#include "stats/countries.h"
#include "stats/song_lengths.h"

namespace {

constexpr int kArtists = 2500;

hv::SongTable fullList() {
    hv::SongTable table;
    std::mt19937 random(11);
    table.count = hv::kSongCapacity;
    for (int r = 0; r < table.count; ++r) {
        hv::Song& s = table.rows[r];
        s.place = r + 1;
        s.artist = hv::fitName("Artist " + std::to_string(random() % kArtists));
        s.song = hv::fitName("Song " + std::to_string(r));
        s.duration = hv::formatText("%02d:%02d", static_cast<int>(random() % 12),
                                    static_cast<int>(random() % 60));
    }
    return table;
}

// Every artist with a known code, now and then one still to do or unknown.
std::string countryText() {
    const char* codes[] = {"NL", "UK", "USA", "SWE", "GER", "CAN", "AUS", "", "XYZ"};
    std::string text;
    for (int a = 0; a < kArtists; ++a)
        text += hv::fitName("Artist " + std::to_string(a)) + codes[a % 9] + "\n";
    return text;
}

void runCountries(benchmark::State& state, hv::ArtistSearch search) {
    const hv::SongTable songs = fullList();
    const std::string text = countryText();
    int maximum = static_cast<int>(state.range(0));
    for (auto _ : state) {
        hv::CountryOverview overview =
            hv::buildCountryOverview(songs, text, maximum, hv::kCountrySortSongs, search);
        benchmark::DoNotOptimize(overview.countries.data());
    }
}

void BM_CountriesIndexed(benchmark::State& state) {
    runCountries(state, hv::ArtistSearch::indexed);
}
void BM_CountriesLiteralScan(benchmark::State& state) {
    runCountries(state, hv::ArtistSearch::literalScan);
}

void runLengths(benchmark::State& state, hv::LengthKind kind) {
    const hv::SongTable songs = fullList();
    for (auto _ : state) {
        hv::SongLengths lengths = hv::buildSongLengths(songs, kind);
        benchmark::DoNotOptimize(lengths.rows.data());
    }
}

void BM_SongLengthsLongest(benchmark::State& state) {
    runLengths(state, hv::LengthKind::longest);
}
void BM_SongLengthsShortest(benchmark::State& state) {
    runLengths(state, hv::LengthKind::shortest);
}
void BM_SongLengthsBand(benchmark::State& state) {
    runLengths(state, hv::LengthKind::band);
}
void BM_SongLengthsAverage(benchmark::State& state) {
    runLengths(state, hv::LengthKind::average);
}

void BM_GroupSongsByArtistIndexed(benchmark::State& state) {
    const hv::SongTable songs = fullList();
    for (auto _ : state) benchmark::DoNotOptimize(hv::groupSongsByArtist(songs).rows.data());
}
void BM_GroupByArtistScan(benchmark::State& state) {
    const hv::SongTable songs = fullList();
    for (auto _ : state) benchmark::DoNotOptimize(hv::groupByArtist(songs).data());
}

}  // namespace

BENCHMARK(BM_CountriesIndexed)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountriesLiteralScan)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SongLengthsLongest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SongLengthsShortest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SongLengthsBand)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SongLengthsAverage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupSongsByArtistIndexed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupByArtistScan)->Unit(benchmark::kMillisecond);
