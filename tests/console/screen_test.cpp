#include <gtest/gtest.h>

#include "support/test_app.h"

namespace hv {

TEST(Screen, BoxCornersAndSides) {
    test::TestApp t;
    Screen& s = t.app.screen;
    drawBox(s, 0, kAttrNormal, 5, 20, 17, 60);
    EXPECT_EQ(readCell(s, 5, 20), 7 * 256 + 201);
    EXPECT_EQ(readCell(s, 5, 60), 7 * 256 + 187);
    EXPECT_EQ(readCell(s, 17, 20), 7 * 256 + 200);
    EXPECT_EQ(readCell(s, 17, 60), 7 * 256 + 188);
    int top = 0, bottom = 0, leftSide = 0, rightSide = 0;
    for (int c = 0; c < kScreenCols; ++c) {
        top += (readCell(s, 5, c) & 0xFF) == 205;
        bottom += (readCell(s, 17, c) & 0xFF) == 205;
    }
    for (int r = 0; r < kScreenRows; ++r) {
        leftSide += (readCell(s, r, 20) & 0xFF) == 186;
        rightSide += (readCell(s, r, 60) & 0xFF) == 186;
    }
    EXPECT_EQ(top, 39);
    EXPECT_EQ(bottom, 39);
    EXPECT_EQ(leftSide, 11);
    EXPECT_EQ(rightSide, 11);
}

}  // namespace hv
