#include "html/status_mark.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

namespace hv {

TEST(StatusMark, ExamplesSpecialPlacesAndNewSongStars) {
    // Previous place, place, mark. A rise is keyed by the new place, a fall
    // by the previous one; moves of less than 2 places earn nothing, nor does
    // a rise to a place below 1. New songs: each band of places at both ends.
    const std::tuple<int, int, const char*> cases[] = {
        {12, 2, "++++ "},   {600, 450, "+    "}, {40, 90, "---  "},  {0, 7, "*****"},
        {0, 2000, "new  "}, {9999, 5, "     "},  {5, 4, "     "},    {5, 5, "     "},
        {5, 6, "     "},    {5, 0, "     "},     {25, 5, "+++++"},   {5, 25, "-----"},
        {45, 25, "++   "},  {25, 45, "--   "},   {0, 10, "*****"},   {0, 11, "**** "},
        {0, 50, "**** "},   {0, 51, "***  "},    {0, 200, "***  "},  {0, 201, "**   "},
        {0, 1000, "**   "}, {0, 1001, "*    "},  {0, 1500, "*    "}, {0, 1501, "new  "}};
    for (auto [previous, place, mark] : cases)
        EXPECT_EQ(statusMark(previous, place), mark) << previous << " to " << place;
    // Places at the ends of the int range: their difference does not fit an int.
    EXPECT_EQ(statusMark(INT_MAX, 1), "+++++");
    EXPECT_EQ(statusMark(INT_MAX, -5), "     ");
    EXPECT_EQ(statusMark(5, INT_MAX), "-----");
    EXPECT_EQ(statusMark(-INT_MAX, INT_MAX), "     ");
}

TEST(StatusMark, ThresholdRowsAtTheirFirstAndLastStep) {
    // The first row, the first that gives fewer than five marks, and the last
    // two: a row taken from the wrong place or a step off by one shows here.
    struct Row {
        int firstPlace, lastPlace, firstThreshold, lastThreshold, marks;
    };
    const Row rows[] = {{1, 9, 2, 20, 5},
                        {50, 99, 20, 200, 4},
                        {1000, 1499, 300, 600, 2},
                        {1500, 9000, 300, 300, 1}};
    for (const Row& r : rows) {
        for (int place : {r.firstPlace, r.lastPlace}) {
            SCOPED_TRACE("key place " + std::to_string(place));
            EXPECT_EQ(marksForMove(place, r.firstThreshold - 1), 0);
            EXPECT_EQ(marksForMove(place, r.firstThreshold), 1);
            EXPECT_EQ(marksForMove(place, r.lastThreshold - 1), r.marks - 1);
            EXPECT_EQ(marksForMove(place, r.lastThreshold), r.marks);
        }
    }
    EXPECT_EQ(statusMarkImages("+-* n"),
              "<IMG BORDER=0 hspace=2 SRC=smile.gif><IMG BORDER=0 hspace=2 SRC=sad.gif>"
              "<IMG BORDER=0 hspace=2 SRC=biggrin.gif> n");
}

}  // namespace hv
