#include "database/song_search.h"

#include <algorithm>

namespace hv {

namespace {

bool containsUpper(std::string_view field, std::string_view upperText) {
    return upperCase(field).find(upperText) != std::string::npos;
}

}  // namespace

std::optional<int> jumpTarget(std::string_view text) {
    size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    std::string_view digits = text.substr(first, text.find_last_not_of(' ') + 1 - first);
    // Titles such as "25 or 6 to 4" begin with a number and must be found.
    if (digits.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
    int number = readNumber(digits);
    if (number < 1 || number > kHighestJump) return std::nullopt;
    return number;
}

bool rowMatches(const Song& row, std::string_view upperText) {
    return containsUpper(row.artist, upperText) || containsUpper(row.song, upperText);
}

int searchForward(const SongTable& table, std::string_view upperText, int from) {
    int last = std::min(table.count, kSongCapacity) - 1;
    for (int r = std::max(from, 0); r <= last; ++r)
        if (rowMatches(table.rows[r], upperText)) return r;
    return -1;
}

int searchBackward(const SongTable& table, std::string_view upperText, int from) {
    int last = std::min(table.count, kSongCapacity) - 1;
    for (int r = std::min(from, last); r >= 0; --r)
        if (rowMatches(table.rows[r], upperText)) return r;
    return -1;
}

}  // namespace hv
