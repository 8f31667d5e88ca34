#include "console/terminal/screen.h"

#include <gtest/gtest.h>

#include "support/test_app.h"

namespace hv {

// A tab in the last stop fills its row and no more; row text is cut, control bytes blank.
TEST(Screen, TabsAndRowTextStayOnTheirRow) {
    test::TestApp t;
    Screen& s = t.app.screen;
    moveCursor(s, 19, 72);
    putText(s, "\tT");
    EXPECT_EQ(t.row(19).substr(72) + t.row(20).substr(0, 2), "        T ");
    moveCursor(s, 21, 74);
    putRowText(s, std::string("ab\0c\rdefg", 9));
    EXPECT_EQ(t.row(21).substr(72) + t.row(22).substr(0, 2), "  ab c d  ");
}

}  // namespace hv
