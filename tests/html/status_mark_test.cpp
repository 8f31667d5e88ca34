#include "html/status_mark.h"

#include <gtest/gtest.h>

namespace hv {

TEST(StatusMark, ExamplesAndSpecialPlaces) {
    EXPECT_EQ(statusMark(12, 2), "++++ ");
    EXPECT_EQ(statusMark(600, 450), "+    ");
    EXPECT_EQ(statusMark(40, 90), "---  ");
    EXPECT_EQ(statusMark(0, 7), "*****");
    EXPECT_EQ(statusMark(0, 2000), "new  ");
    EXPECT_EQ(statusMark(9999, 5), "     ");
    // Moves of less than 2 places earn nothing.
    for (int place : {4, 5, 6}) EXPECT_EQ(statusMark(5, place), "     ");
    // A rise to a place below 1 has no row of the table.
    EXPECT_EQ(statusMark(5, 0), "     ");
}

TEST(StatusMark, NewSongStars) {
    const std::pair<int, const char*> cases[] = {
        {10, "*****"},  {11, "**** "},   {50, "**** "},   {51, "***  "},   {200, "***  "},
        {201, "**   "}, {1000, "**   "}, {1001, "*    "}, {1500, "*    "}, {1501, "new  "}};
    for (const auto& [place, mark] : cases) EXPECT_EQ(statusMark(0, place), mark) << place;
}

TEST(StatusMark, EveryThresholdRowAtItsFirstAndLastStep) {
    struct Row {
        int firstPlace, lastPlace, firstThreshold, lastThreshold, marks;
    };
    const Row rows[] = {
        {1, 9, 2, 20, 5},        {10, 19, 3, 50, 5},        {20, 49, 10, 200, 5},
        {50, 99, 20, 200, 4},    {100, 199, 50, 200, 3},    {200, 499, 100, 200, 2},
        {500, 999, 200, 300, 2}, {1000, 1499, 300, 600, 2}, {1500, 9000, 300, 300, 1},
    };
    for (const Row& r : rows) {
        for (int place : {r.firstPlace, r.lastPlace}) {
            SCOPED_TRACE("key place " + std::to_string(place));
            EXPECT_EQ(marksForMove(place, r.firstThreshold - 1), 0);
            EXPECT_EQ(marksForMove(place, r.firstThreshold), 1);
            EXPECT_EQ(marksForMove(place, r.lastThreshold - 1), r.marks - 1);
            EXPECT_EQ(marksForMove(place, r.lastThreshold), r.marks);
        }
    }
    // The rise is keyed by the new place, the fall by the previous place.
    EXPECT_EQ(statusMark(25, 5), "+++++");
    EXPECT_EQ(statusMark(5, 25), "-----");
    EXPECT_EQ(statusMark(45, 25), "++   ");
    EXPECT_EQ(statusMark(25, 45), "--   ");
}

TEST(StatusMark, Images) {
    EXPECT_EQ(statusMarkImages("+-* n"),
              "<IMG BORDER=0 hspace=2 SRC=smile.gif><IMG BORDER=0 hspace=2 SRC=sad.gif>"
              "<IMG BORDER=0 hspace=2 SRC=biggrin.gif> n");
    EXPECT_EQ(statusMarkImages("new  "), "new  ");
}

}  // namespace hv
