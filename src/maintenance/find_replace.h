// Changing a piece of text in the artists or titles of the whole list, and
// "replace.ini", which keeps the last search and replacement texts.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "database/song_table.h"

namespace hv {

constexpr std::size_t kReplaceTextMaximum = 28;

struct ReplaceTexts {
    std::string search;
    std::string replacement;
};

// Nothing when the file is missing. A missing second line reads as an empty
// replacement; a longer line is cut to kReplaceTextMaximum.
std::optional<ReplaceTexts> readReplaceFile(const std::string& folder);
bool writeReplaceFile(const std::string& folder, const ReplaceTexts& texts);

// The change a row would get: its artist when that holds the search text,
// else its title; only the first occurrence.
struct Replacement {
    bool inArtist = true;
    std::string field;    // as held
    std::string newText;  // before the occurrence, replacement, the rest up to the last non-blank
};
// Nothing for a row without the text, and for an empty search text.
std::optional<Replacement> findReplacement(const Song& row, const ReplaceTexts& texts,
                                           bool ignoreCase);
// The field takes the new text at 29 characters.
void applyReplacement(Song& row, const Replacement& change);

}  // namespace hv
