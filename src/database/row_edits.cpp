#include "database/row_edits.h"

#include <algorithm>
#include <utility>

namespace hv {

namespace {

constexpr int kLowestYear = 1900;
constexpr int kHighestYear = 2100;
constexpr int kHighestPrevRank = 10009;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

bool isValidYear(std::string_view text) {
    if (text.size() != 4) return false;
    int year = readNumber(text);
    return year >= kLowestYear && year <= kHighestYear;
}

bool isValidDuration(std::string_view text) {
    return text.size() == 5 && isDigit(text[0]) && isDigit(text[1]) && text[2] == ':' &&
           isDigit(text[3]) && isDigit(text[4]);
}

bool isValidPrevRank(std::string_view text) {
    int rank = readNumber(text);
    return rank >= 1 && rank <= kHighestPrevRank;
}

bool isValidVotes(std::string_view text) {
    return readNumber(text) >= 0;
}

bool insertRow(SongTable& table, int target, const Song& song) {
    if (table.count > kInsertMaximum) return false;
    target = std::clamp(target, 0, table.count);
    for (int r = table.count - 1; r >= target; --r) {
        table.rows[r + 1] = std::move(table.rows[r]);
        table.rows[r + 1].place += 1;
    }
    table.rows[target] = song;
    table.rows[target].place = target + 1;
    ++table.count;
    clearRow(table.rows[table.count]);
    return true;
}

void deleteRow(SongTable& table, int target) {
    if (target < 0 || target >= table.count) return;
    for (int r = target; r + 1 < table.count; ++r) {
        table.rows[r] = std::move(table.rows[r + 1]);
        table.rows[r].place -= 1;
    }
    --table.count;
    clearRow(table.rows[table.count]);
}

void moveRow(SongTable& table, int from, int to) {
    if (from < 0 || to < 0 || from >= table.count || to >= table.count || from == to) return;
    Song moved = std::move(table.rows[from]);
    if (from < to) {
        for (int r = from; r < to; ++r) {
            table.rows[r] = std::move(table.rows[r + 1]);
            table.rows[r].place -= 1;
        }
    } else {
        for (int r = from - 1; r >= to; --r) {
            table.rows[r + 1] = std::move(table.rows[r]);
            table.rows[r + 1].place += 1;
        }
    }
    table.rows[to] = std::move(moved);
    table.rows[to].place = to + 1;
}

}  // namespace hv
