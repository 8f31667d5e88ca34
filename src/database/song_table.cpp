#include "database/song_table.h"

#include <climits>

namespace hv {

std::string fitName(std::string_view text) {
    std::string name(text.substr(0, kNameWidth));
    name.resize(kNameWidth, ' ');
    return name;
}

int readNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) value = INT_MAX;
        ++i;
    }
    return static_cast<int>(negative ? -value : value);
}

char upperCase(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string upperCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = upperCase(c);
    return out;
}

bool isEmptyText(std::string_view text) {
    return text.size() < 3;
}

std::string databaseNamePadding(std::string_view name) {
    return name.size() >= 12 ? std::string() : std::string(12 - name.size(), ' ');
}

void resetRowForImport(Song& row) {
    row = Song{};
    row.prevRank = kNoPreviousPlace;
    row.duration = "0:00:00";
}

void clearRow(Song& row) {
    row = Song{};
}

}  // namespace hv
