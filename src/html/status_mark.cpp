#include "html/status_mark.h"

#include <array>

#include "database/song_table.h"

namespace hv {

namespace {

struct MarkRow {
    int firstPlace;
    std::array<int, kStatusMarkWidth> thresholds;  // 0: no further mark
};

// A mark is harder to earn further down the chart.
constexpr std::array<MarkRow, 9> kMarkRows{{
    {1, {2, 3, 5, 10, 20}},
    {10, {3, 5, 10, 20, 50}},
    {20, {10, 20, 50, 100, 200}},
    {50, {20, 50, 100, 200, 0}},
    {100, {50, 100, 200, 0, 0}},
    {200, {100, 200, 0, 0, 0}},
    {500, {200, 300, 0, 0, 0}},
    {1000, {300, 600, 0, 0, 0}},
    {1500, {300, 0, 0, 0, 0}},
}};

std::string repeated(char c, int count) {
    std::string mark(static_cast<size_t>(count), c);
    mark.resize(kStatusMarkWidth, ' ');
    return mark;
}

}  // namespace

int marksForMove(int keyPlace, long long move) {
    const MarkRow* row = nullptr;
    for (const MarkRow& candidate : kMarkRows)
        if (keyPlace >= candidate.firstPlace) row = &candidate;
    if (!row) return 0;
    int marks = 0;
    for (int threshold : row->thresholds)
        if (threshold > 0 && move >= threshold) ++marks;
    return marks;
}

std::string statusMark(int prevRank, int place) {
    if (prevRank == kNewSong) {
        if (place <= 10) return "*****";
        if (place <= 50) return "**** ";
        if (place <= 200) return "***  ";
        if (place <= 1000) return "**   ";
        if (place <= 1500) return "*    ";
        return "new  ";
    }
    if (prevRank == kNoPreviousPlace) return std::string(kStatusMarkWidth, ' ');
    // Places come from files and typing: the difference of two extreme
    // values does not fit an int.
    long long rise = static_cast<long long>(prevRank) - place;
    if (rise >= 2) return repeated('+', marksForMove(place, rise));
    if (-rise >= 2) return repeated('-', marksForMove(prevRank, -rise));
    return std::string(kStatusMarkWidth, ' ');
}

std::string statusMarkImages(std::string_view mark) {
    std::string out;
    appendStatusMarkImages(out, mark);
    return out;
}

void appendStatusMarkImages(std::string& out, std::string_view mark) {
    for (char c : mark) {
        switch (c) {
            case '+':
                out += "<IMG BORDER=0 hspace=2 SRC=smile.gif>";
                break;
            case '-':
                out += "<IMG BORDER=0 hspace=2 SRC=sad.gif>";
                break;
            case '*':
                out += "<IMG BORDER=0 hspace=2 SRC=biggrin.gif>";
                break;
            default:
                out.push_back(c);
        }
    }
}

}  // namespace hv
