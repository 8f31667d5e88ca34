// Small builders of song database files for the import tests.
#pragma once

#include <string>

#include "support/test_app.h"

namespace hv::test {

inline const std::string kHeader2007 =
    "2007  Artist                        Song                          Year 2006 Duration Votes\n";

// A song line in the generic layout, fields as given (not padded).
inline std::string genericLine(int place, const std::string& artist, const std::string& title,
                               int year = 1980, int prevRank = 9999,
                               const std::string& duration = "0:03:30", int votes = 0) {
    return std::to_string(place) + "\t" + artist + "\t" + title + "\t" + std::to_string(year) +
           "\t" + std::to_string(prevRank) + "\t" + duration + "\t" + std::to_string(votes) + "\n";
}

// A header and n songs "Artist k" / "Song k" (every artist distinct).
inline std::string numberedList(int n) {
    std::string text = kHeader2007;
    for (int i = 1; i <= n; ++i)
        text += genericLine(i, "Artist " + std::to_string(i), "Song " + std::to_string(i));
    return text + "\n";
}

// The table as a test expects the import to leave a name: 29 characters.
inline std::string padded(const std::string& name) {
    return fitName(name);
}

}  // namespace hv::test
