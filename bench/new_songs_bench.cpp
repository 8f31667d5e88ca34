// The disappeared-songs search at full size: 10,010 entries of last year's
// list against 10,010 songs, through the index beside the plain nested scan.
// Most of last year's songs are still there, some spelled a little
// differently, at any place in the list; one in seven has gone.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "stats/new_songs.h"

namespace {

constexpr int kSongs = hv::kSongCapacity;

struct Lists {
    hv::SongTable songs;
    std::vector<hv::Song> previous;
};

// A made-up word: a capital and three to seven letters.
std::string word(std::mt19937& random) {
    std::string w(1, static_cast<char>('A' + random() % 26));
    for (int n = 3 + static_cast<int>(random() % 5); n > 0; --n)
        w += static_cast<char>('a' + random() % 26);
    return w;
}

std::string name(std::mt19937& random) {
    return random() % 2 ? word(random) + " " + word(random) : word(random);
}

Lists makeLists() {
    Lists lists;
    std::mt19937 random(2006);
    lists.songs.count = kSongs;
    std::vector<std::string> artists(3000);
    for (std::string& a : artists) a = hv::fitName(name(random));
    for (int r = 0; r < kSongs; ++r) {
        hv::Song& s = lists.songs.rows[r];
        s.place = r + 1;
        s.artist = artists[random() % artists.size()];
        s.song = hv::fitName(name(random));
        s.year = 1950 + static_cast<int>(random() % 70);
    }
    for (int i = 0; i < kSongs; ++i) {
        hv::Song entry;
        entry.place = i + 1;
        if (random() % 7 == 0) {
            entry.artist = hv::fitName(name(random));
            entry.song = hv::fitName(name(random));
            entry.year = 1950 + static_cast<int>(random() % 70);
        } else {
            entry = lists.songs.rows[random() % kSongs];
            entry.place = i + 1;
            if (random() % 3 == 0) entry.song = hv::upperCase(entry.song);
            if (random() % 5 == 0) entry.artist = hv::fitName("The " + entry.artist);
        }
        lists.previous.push_back(entry);
    }
    return lists;
}

const Lists& lists() {
    static const Lists made = makeLists();
    return made;
}

template <typename Search>
void runSearch(benchmark::State& state, Search search) {
    const Lists& l = lists();
    size_t gone = 0;
    for (auto _ : state) {
        std::vector<hv::Song> result = search(l.previous, l.songs, hv::kStartMatchLength);
        gone = result.size();
        benchmark::DoNotOptimize(result.data());
    }
    state.counters["disappeared"] = static_cast<double>(gone);
}

void BM_DisappearedIndexed(benchmark::State& state) {
    runSearch(state, [](const auto& previous, const auto& songs, int n) {
        return hv::findDisappeared(previous, songs, n);
    });
}

void BM_DisappearedPlainScan(benchmark::State& state) {
    runSearch(state, hv::findDisappearedByScan);
}

}  // namespace

BENCHMARK(BM_DisappearedIndexed)->Unit(benchmark::kMillisecond);
// The plain scan takes seconds per run: one run is enough.
BENCHMARK(BM_DisappearedPlainScan)->Iterations(1)->Unit(benchmark::kMillisecond);
