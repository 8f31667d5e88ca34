#include "maintenance/double_check.h"

#include <vector>

#include "database/row_edits.h"
#include "maintenance/double_tests.h"

namespace hv {

namespace {

enum class Step { Next, Remove, Stop };

// What the literal and the indexed check share: the action on a pair and
// the counters.
class CheckRun {
  public:
    explicit CheckRun(const DoubleCheckEvents& events) : events_(events) {}

    void checking(int earlierRow, int songCount) const {
        if (events_.checking) events_.checking(earlierRow, songCount);
    }

    Step decide(PairVerdict verdict, int earlierRow, int laterRow, const Song& earlier,
                const Song& later) {
        if (verdict == PairVerdict::Different) return Step::Next;
        if (verdict == PairVerdict::Double) {
            ++result.doubles;
            return Step::Next;
        }
        const DoubleCheckAnswer answer =
            events_.lookAlike
                ? events_.lookAlike({earlierRow, laterRow, earlier, later, automatic_})
                : DoubleCheckAnswer::Keep;
        if (automatic_) {
            ++result.doubles;
            return Step::Next;
        }
        switch (answer) {
            case DoubleCheckAnswer::Keep:
                return Step::Next;
            case DoubleCheckAnswer::Quit:
                return Step::Stop;
            case DoubleCheckAnswer::Automatic:
                automatic_ = true;
                break;
            case DoubleCheckAnswer::Remove:
                break;
        }
        ++result.doubles;
        return Step::Remove;
    }

    DoubleCheckResult result;

  private:
    const DoubleCheckEvents& events_;
    bool automatic_ = false;
};

// Counts of songs still in the list by id, to turn an id into its current
// row after removals.
class AliveCounts {
  public:
    explicit AliveCounts(int n) : tree_(static_cast<std::size_t>(n) + 1, 0) {
        for (int i = 1; i <= n; ++i) {
            tree_[i] += 1;
            const int parent = i + (i & -i);
            if (parent <= n) tree_[parent] += tree_[i];
        }
    }
    void remove(int id) {
        for (int i = id + 1; i < static_cast<int>(tree_.size()); i += i & -i) tree_[i] -= 1;
    }
    // The songs still there with ids below `id`: the row of song `id`.
    int before(int id) const {
        int sum = 0;
        for (int i = id; i > 0; i -= i & -i) sum += tree_[i];
        return sum;
    }

  private:
    std::vector<int> tree_;
};

// Takes the removed songs out in one pass (the places already lowered): the
// rows behind move up, the rows behind the new last song are cleared, and
// each removal counts as a change.
void dropRemoved(SongTable& table, const std::vector<char>& alive) {
    const int n = static_cast<int>(alive.size());
    int kept = 0;
    for (int r = 0; r < n; ++r) {
        if (!alive[r]) continue;
        if (kept != r) table.rows[kept] = std::move(table.rows[r]);
        ++kept;
    }
    const int removed = n - kept;
    for (int r = kept; r < n; ++r) clearRow(table.rows[r]);
    table.count = kept;
    table.changeCount += removed;
}

}  // namespace

DoubleCheckResult doubleCheck(SongTable& table, const DoubleCheckEvents& events) {
    CheckRun run(events);
    const int n = table.count;
    run.result.checked = n;
    // Songs keep their rows in the table until the end; removed ones are
    // only marked, and their ids skipped.
    std::vector<NameKeys> keys;
    keys.reserve(static_cast<std::size_t>(n));
    DoubleIndex index;
    index.reserve(keys.capacity());
    for (int id = 0; id < n; ++id) {
        keys.push_back(nameKeys(table.rows[id]));
        index.add(id, keys.back());
    }
    std::vector<char> alive(static_cast<std::size_t>(n), 1);
    AliveCounts rows(n);
    // A song's place is lowered by one for every removal before it, as the
    // rows moved up would have been; kept up to date for the songs shown.
    std::vector<int> places(static_cast<std::size_t>(n));
    for (int id = 0; id < n; ++id) places[id] = table.rows[id].place;
    auto rowOf = [&](int id) {
        const int row = rows.before(id);
        table.rows[id].place = places[id] - (id - row);
        return row;
    };
    int count = n;
    bool stopped = false;
    for (int e = 0; e < n && !stopped; ++e) {
        if (!alive[e]) continue;
        const int earlierRow = rowOf(e);
        run.checking(earlierRow, count);
        DoubleIndex::Deciders later = index.deciders(keys[e], e);
        for (int l = later.next(); l >= 0; l = later.next()) {
            if (!alive[l]) continue;
            const PairVerdict verdict = comparePair(keys[e], keys[l]);
            if (verdict == PairVerdict::Different) continue;
            const int laterRow = verdict == PairVerdict::LookAlike ? rowOf(l) : 0;
            const Step step =
                run.decide(verdict, earlierRow, laterRow, table.rows[e], table.rows[l]);
            if (step == Step::Stop) {
                stopped = true;
                break;
            }
            if (step == Step::Remove) {
                alive[l] = 0;
                rows.remove(l);
                --count;
            }
        }
    }
    if (count != n) {
        for (int id = 0; id < n; ++id) rowOf(id);
        dropRemoved(table, alive);
    }
    return run.result;
}

DoubleCheckResult doubleCheckLiteral(SongTable& table, const DoubleCheckEvents& events) {
    CheckRun run(events);
    run.result.checked = table.count;
    for (int e = 0; e < table.count; ++e) {
        // Only later rows are removed: the earlier one stays where it is.
        const Song& earlier = table.rows[e];
        run.checking(e, table.count);
        for (int l = e + 1; l < table.count;) {
            const Step step = run.decide(comparePairLiteral(earlier, table.rows[l]), e, l, earlier,
                                         table.rows[l]);
            if (step == Step::Stop) return run.result;
            if (step == Step::Remove) {
                // The row that moves up into l is compared next.
                deleteRow(table, l);
                ++table.changeCount;
            } else {
                ++l;
            }
        }
    }
    return run.result;
}

}  // namespace hv
