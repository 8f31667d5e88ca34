// The indexed append and double check make the pairwise scans' calls, counts
// and tables on random lists full of doubles and look-alikes.
#include <gtest/gtest.h>

#include <random>

#include "maintenance/append_songs.h"
#include "maintenance/double_check.h"
#include "support/song_lists.h"

namespace hv {
namespace {

struct RandomSongs {
    std::mt19937 random;
    std::vector<Song> known;
    int below(std::size_t n) { return static_cast<int>(random() % n); }

    // Few words, so names share many; some overrun the width or are empty.
    std::string name(int words) {
        static const char* const vocabulary[] = {
            "Love",  "love", "The", "the", "You", "Me",   "Golden", "Road",    "Sky",
            "Night", "A",    "Of",  "Al",  "Hey", "Blue", "Go",     "Dancing", "10cc"};
        std::string text = below(8) ? "" : "  ";
        for (int i = 0; i < words; ++i)
            text += (i == 0 ? "" : below(12) ? " " : "  ") + std::string(vocabulary[below(18)]);
        if (below(6) == 0) text = fitName(text + " Long Long Long Long").substr(0, 27) + " X";
        return fitName(text);
    }
    // A new song, or an earlier one as it was, in other capitals or retitled.
    Song pick() {
        const int kind = known.empty() ? 0 : below(5);
        Song s = kind == 0 ? Song{} : known[below(known.size())];
        if (kind == 0) s.artist = name(1 + below(3)), s.song = name(1 + below(4));
        if (kind == 2)
            for (char& c : below(2) ? s.artist : s.song) c = below(2) ? upperCase(c) : c;
        if (kind == 3) s.song = fitName(s.song.substr(0, 1 + below(12)) + name(1));
        s.year = 1950 + below(60);
        return known.emplace_back(s);
    }
    std::vector<Song> list() {
        std::vector<Song> songs(below(50));
        for (size_t i = 0; i < songs.size(); ++i) (songs[i] = pick()).place = int(i) + 1;
        return songs;
    }
};

std::string shown(const Song& s) {
    return s.artist + "/" + s.song + "/" + std::to_string(s.place) + " ";
}

// Runs the literal and the indexed form; each records calls, returns counts.
template <typename Run>
void expectSameRuns(unsigned seed, std::vector<Song> list, Run run) {
    static SongTable tables[2];  // a whole table is large: two serve all seeds
    std::vector<std::string> calls[2];
    decltype(run(true, tables[0], calls[0])) counts[2];
    const int count = static_cast<int>(list.size());
    list.resize(128);  // rows enough for the list with all its lines appended
    for (int fast = 0; fast < 2; ++fast) {
        std::copy(list.begin(), list.end(), tables[fast].rows.begin());
        std::tie(tables[fast].count, tables[fast].changeCount) = std::tuple(count, 0);
        counts[fast] = run(fast, tables[fast], calls[fast]);
    }
    ASSERT_EQ(calls[0], calls[1]) << "seed " << seed;
    EXPECT_EQ(std::tie(counts[0], tables[0].count, tables[0].changeCount),
              std::tie(counts[1], tables[1].count, tables[1].changeCount))
        << "seed " << seed;
    for (size_t row = 0; row < list.size(); ++row)
        EXPECT_EQ(test::fieldsOf(tables[0].rows[row]), test::fieldsOf(tables[1].rows[row]));
}

TEST(DoublesDifferential, AppendAndDoubleCheckMatchTheScans) {
    for (unsigned seed = 1; seed <= 250; ++seed) {
        RandomSongs r{std::mt19937(seed), {}};
        const std::vector<Song> list = r.list();
        std::vector<std::optional<Song>> lines(r.below(40));
        for (auto& line : lines) line = r.below(10) ? std::optional(r.pick()) : std::nullopt;
        expectSameRuns(seed, list, [&](bool fast, SongTable& t, auto& calls) {
            std::mt19937 answers(seed);
            auto ask = [&](const AppendLookAlike& q) {
                calls.push_back(std::to_string(q.linesRead) + shown(q.listed) + shown(q.candidate) +
                                (q.asked ? "?" : "."));
                const unsigned a = answers() % 10;
                using A = LookAlikeAnswer;
                return a < 5 ? A::Accept : a < 9 ? A::Skip : A::Quit;
            };
            AppendResult x = fast ? appendSongs(t, lines, ask) : appendSongsLiteral(t, lines, ask);
            return std::tuple(x.linesRead, x.doubles, x.appended, x.reachedMaximum);
        });
        expectSameRuns(seed, r.list(), [&](bool fast, SongTable& t, auto& calls) {
            std::mt19937 answers(seed);
            DoubleCheckEvents events;
            events.checking = [&](int row, int count) {
                calls.push_back(std::to_string(row) + " of " + std::to_string(count));
            };
            events.lookAlike = [&](const DoubleCheckPair& p) {
                calls.push_back(std::to_string(p.earlierRow) + shown(p.earlier) +
                                std::to_string(p.laterRow) + shown(p.later) +
                                (p.automatic ? "." : "?"));
                const unsigned a = answers() % 100;
                using A = DoubleCheckAnswer;
                return a < 40 ? A::Remove : a < 92 ? A::Keep : a < 97 ? A::Automatic : A::Quit;
            };
            DoubleCheckResult x = fast ? doubleCheck(t, events) : doubleCheckLiteral(t, events);
            return std::tuple(x.checked, x.doubles);
        });
    }
}

}  // namespace
}  // namespace hv
