// The append and the double check at full size, through the index beside the
// pairwise scan. The lists are chart-like: artists repeat as in
// fullSizeList(), titles are made of common chart words and rarer ones, so
// that songs of one artist sharing a word like "LOVE " look alike.
#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "full_size_lists.h"
#include "maintenance/append_songs.h"
#include "maintenance/double_check.h"
#include "maintenance/double_tests.h"
#include "maintenance/find_replace.h"

namespace {

using hv::Song;
using hv::SongTable;

std::string madeUpWord(std::mt19937& random) {
    std::string w(1, static_cast<char>('A' + random() % 26));
    for (int n = 2 + static_cast<int>(random() % 6); n > 0; --n)
        w += static_cast<char>('a' + random() % 26);
    return w;
}

std::string chartTitle(std::mt19937& random) {
    static const char* const common[] = {"Love",  "Night",   "Heart", "Baby",   "Dance",   "Time",
                                         "World", "Girl",    "Boy",   "Rain",   "Fire",    "Dream",
                                         "Blue",  "Light",   "Life",  "Home",   "Tonight", "Money",
                                         "Song",  "Summer",  "Angel", "Crazy",  "Hello",   "Again",
                                         "Never", "Forever", "Young", "Heaven", "Alone",   "Wild"};
    static const char* const small[] = {"You", "Me", "The", "Of", "In", "My", "I", "On"};
    std::string title;
    for (int n = 1 + static_cast<int>(random() % 4); n > 0; --n) {
        const unsigned kind = random() % 10;
        std::string w = kind < 2   ? common[random() % std::size(common)]
                        : kind < 4 ? small[random() % std::size(small)]
                                   : madeUpWord(random);
        title += (title.empty() ? "" : " ") + w;
    }
    return title;
}

// fullSizeList()'s artists, renamed to made-up names, with chart titles.
SongTable chartList(unsigned seed) {
    SongTable t = hv::bench::fullSizeList();
    std::mt19937 random(seed);
    std::map<std::string, std::string> names;
    for (int r = 0; r < t.count; ++r) {
        Song& s = t.rows[r];
        auto [name, added] = names.try_emplace(s.artist);
        if (added) {
            name->second = random() % 4 == 0 ? "The " + madeUpWord(random) : madeUpWord(random);
            if (random() % 2) name->second += " " + madeUpWord(random);
        }
        s.artist = hv::fitName(name->second);
        s.song = hv::fitName(chartTitle(random));
    }
    return t;
}

// Another chart's list of the same songs in another order: each line is a
// song of the list as it is, in other capitals, or a look-alike of it
// (another title sharing a long word); so every line is left out.
std::vector<std::optional<Song>> neighbouringList(const SongTable& list) {
    std::mt19937 random(77);
    std::vector<std::optional<Song>> lines;
    for (int i = 0; i < list.count; ++i) {
        Song s = list.rows[random() % list.count];
        s.place = 0;
        const unsigned kind = random() % 10;
        if (kind < 3) {
            s.song = hv::upperCase(s.song);
        } else if (kind < 6) {
            Song alike = s;
            alike.song = hv::fitName(s.song.substr(0, s.song.find(' ')) + " " + madeUpWord(random));
            if (hv::comparePairLiteral(alike, s) == hv::PairVerdict::LookAlike) s = alike;
        }
        lines.emplace_back(s);
    }
    return lines;
}

const SongTable& baseList() {
    static const SongTable list = chartList(1);
    return list;
}

const std::vector<std::optional<Song>>& appendLines() {
    static const std::vector<std::optional<Song>> lines = neighbouringList(baseList());
    return lines;
}

// A list with a double, a double apart from case or a look-alike of an
// earlier song in every 25th row.
const SongTable& listWithDoubles() {
    static const SongTable list = [] {
        SongTable t = chartList(2);
        std::mt19937 random(5);
        for (int r = 25; r < t.count; r += 25) {
            const Song& earlier = t.rows[random() % r];
            t.rows[r].artist = earlier.artist;
            t.rows[r].song = random() % 2 ? hv::upperCase(earlier.song) : earlier.song;
        }
        return t;
    }();
    return list;
}

template <typename Append>
void runAppend(benchmark::State& state, Append append) {
    hv::AppendResult result;
    int questions = 0;
    SongTable t;
    for (auto _ : state) {
        state.PauseTiming();
        t = baseList();
        questions = 0;
        state.ResumeTiming();
        // Quit at the first question: the rest are shown, never asked.
        result = append(t, appendLines(), [&](const hv::AppendLookAlike&) {
            ++questions;
            return hv::LookAlikeAnswer::Quit;
        });
        benchmark::DoNotOptimize(t.rows.data());
    }
    state.counters["doubles"] = result.doubles;
    state.counters["appended"] = result.appended;
    state.counters["shown"] = questions;
}

template <typename Check>
void runCheck(benchmark::State& state, Check check) {
    hv::DoubleCheckResult result;
    int shown = 0;
    SongTable t;
    for (auto _ : state) {
        state.PauseTiming();
        t = listWithDoubles();
        shown = 0;
        state.ResumeTiming();
        hv::DoubleCheckEvents events;
        events.checking = [](int, int) {};
        // Automatic at the first question: one song removed, the rest counted.
        events.lookAlike = [&](const hv::DoubleCheckPair&) {
            ++shown;
            return hv::DoubleCheckAnswer::Automatic;
        };
        result = check(t, events);
        benchmark::DoNotOptimize(t.rows.data());
    }
    state.counters["doubles"] = result.doubles;
    state.counters["shown"] = shown;
}

void BM_AppendIndexed(benchmark::State& state) {
    runAppend(state, hv::appendSongs);
}
void BM_AppendLiteralScan(benchmark::State& state) {
    runAppend(state, hv::appendSongsLiteral);
}
void BM_DoubleCheckIndexed(benchmark::State& state) {
    runCheck(state, hv::doubleCheck);
}
void BM_DoubleCheckLiteralScan(benchmark::State& state) {
    runCheck(state, hv::doubleCheckLiteral);
}

// Find and replace with every change accepted (A): one pass over the list,
// with no faster form to set beside it. Upper-casing each field for the
// case-blind search is the work.
void BM_FindReplaceAll(benchmark::State& state) {
    const SongTable list = chartList(7);
    int changed = 0;
    for (auto _ : state) {
        SongTable t = list;
        changed = 0;
        for (int r = 0; r < t.count; ++r)
            if (auto change = hv::findReplacement(t.rows[r], {"love", "Liebe"}, true)) {
                hv::applyReplacement(t.rows[r], *change);
                ++changed;
            }
        benchmark::DoNotOptimize(t.rows.data());
    }
    state.counters["changed"] = changed;
}

}  // namespace

BENCHMARK(BM_FindReplaceAll)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AppendIndexed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DoubleCheckIndexed)->Unit(benchmark::kMillisecond);
// The pairwise scans take many seconds a run: one run is enough.
BENCHMARK(BM_AppendLiteralScan)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DoubleCheckLiteralScan)->Iterations(1)->Unit(benchmark::kMillisecond);
