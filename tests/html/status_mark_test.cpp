#include "html/status_mark.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

namespace hv {

TEST(StatusMark, MovesNewSongsAndBandEdges) {
    // Rises keyed by the new place, falls by the old; new songs by their place's band.
    const std::tuple<int, int, const char*> cases[] = {
        {12, 2, "++++ "},       {40, 90, "---  "},     {9999, 5, "     "},
        {5, 4, "     "},        {5, 0, "     "},       {25, 5, "+++++"},
        {45, 25, "++   "},      {25, 45, "--   "},     {0, 10, "*****"},
        {0, 11, "**** "},       {0, 50, "**** "},      {0, 51, "***  "},
        {0, 1500, "*    "},     {0, 1501, "new  "},    {INT_MAX, 1, "+++++"},
        {INT_MAX, -5, "     "}, {5, INT_MAX, "-----"}, {-INT_MAX, INT_MAX, "     "}};
    for (auto [previous, place, mark] : cases)
        EXPECT_EQ(statusMark(previous, place), mark) << previous << " to " << place;
}

}  // namespace hv
