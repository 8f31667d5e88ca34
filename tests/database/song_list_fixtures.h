// Small builders of song database files, and checks of the screen and the
// working folder that many tests share.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "database/text_files.h"
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

// Every field of a song as one value that compares and prints.
inline auto fieldsOf(const Song& s) {
    return std::tie(s.place, s.artist, s.song, s.year, s.prevRank, s.duration, s.votes, s.country);
}

// A text expected on the screen from a row and column.
struct Shown {
    int row, col;
    std::string text;
};

// Every text stands where it says; a failure lists each one that does not.
inline testing::AssertionResult shows(const TestApp& t, const std::vector<Shown>& expected) {
    std::string wrong;
    for (const Shown& e : expected) {
        std::string got = t.row(e.row).substr(e.col, e.text.size());
        if (got != e.text)
            wrong += "\n  row " + std::to_string(e.row) + " column " + std::to_string(e.col) +
                     ": \"" + got + "\", expected \"" + e.text + "\"";
    }
    if (wrong.empty()) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the screen differs:" << wrong << "\n" << t.screen();
}

// The contents of files of the working folder, "(none)" for a missing one.
inline std::vector<std::string> filesOf(const TestApp& t, const std::vector<std::string>& names) {
    std::vector<std::string> out;
    for (const std::string& name : names)
        out.push_back(t.exists(name) ? t.readFile(name) : "(none)");
    return out;
}
using Texts = std::vector<std::string>;

// A file of tests/html/data: the pages exactly as they must be written.
inline std::string htmlData(const std::string& name) {
    return readWholeFile(sourcePath("tests/html/data/" + name)).value();
}

}  // namespace hv::test
