#include "console/terminal/screen.h"

#include <gtest/gtest.h>

#include "support/test_app.h"

namespace hv {

TEST(Screen, WritingUsesTheAttributeWrapsAndNeverScrolls) {
    test::TestApp t;
    Screen& s = t.app.screen;
    putText(s, "XYZ");
    moveCursor(s, 0, 1);
    setAttribute(s, kAttrHighlight);
    eraseToEndOfLine(s);
    EXPECT_EQ(readCell(s, 0, 0), kAttrNormal * 256 + 'X');
    EXPECT_EQ(readCell(s, 0, 79), kAttrHighlight * 256 + ' ');
    EXPECT_EQ(readCell(s, 1, 0), kAttrNormal * 256 + ' ');
    EXPECT_EQ(s.cursorCol, 1);
    setAttribute(s, 0x1E);
    moveCursor(s, 23, 78);
    eraseToEndOfScreen(s);
    EXPECT_EQ(
        std::vector<int>({attributeAt(s, 23, 77), attributeAt(s, 23, 78), attributeAt(s, 24, 79)}),
        std::vector<int>({kAttrNormal, 0x1E, 0x1E}));

    moveCursor(s, 2, 75);
    printText(s, "%s|%d\nnext", "abcdefgh", 42);
    EXPECT_EQ(t.row(2).substr(75) + t.row(3).substr(0, 6) + t.row(4).substr(0, 5),
              "abcdefgh|42next ");
    EXPECT_EQ(std::pair(s.cursorRow, s.cursorCol), std::pair(4, 4));
    // Text past the last row is dropped and the cursor stays on the screen.
    moveCursor(s, 24, 70);
    printText(s, "%s", std::string(30, 'z').c_str());
    EXPECT_EQ(t.row(24).substr(70) + t.row(0), std::string(10, 'z') + "X" + std::string(79, ' '));
    syncCursor(s);
    EXPECT_LT(s.cursorRow, kScreenRows);
    moveCursor(s, 10, 0);
    printText(s, "%s", std::string(700, 'q').c_str());
    EXPECT_EQ(t.row(18), std::string(60, 'q') + std::string(20, ' '));

    // A tab in the last stop fills its row and no more; row text is cut at the
    // edge and shows control bytes as blanks.
    moveCursor(s, 19, 72);
    putText(s, "\tT");
    EXPECT_EQ(t.row(19).substr(72) + t.row(20).substr(0, 2), "        T ");
    moveCursor(s, 21, 74);
    putRowText(s, std::string("ab\0c\rdefg", 9));
    EXPECT_EQ(t.row(21).substr(72) + t.row(22).substr(0, 2), "  ab c d  ");
}

TEST(Screen, ReadCharAndWaitKeySkipWhatIsNotForThem) {
    test::TestApp t;
    Screen& s = t.app.screen;
    t.keys.key(kKeyDown).key(kKeyF1).text("y").key(kKeyUp).text("Y");
    EXPECT_EQ(readChar(s), 'y');
    EXPECT_EQ(readChar(s), 'Y');
    // Modifiers alone, a mouse move and a bare character do not end waitKey.
    t.keys.key(kKeyShift).nonKeyEvent().text("A").text("a").event({kKeyCtrl, -1, false});
    t.keys.event({kKeyAlt, -1, false}).event({0, 0xE9, false}).key(kKeyF12);
    EXPECT_EQ(std::vector<int>({waitKey(s), waitKey(s), waitKey(s)}),
              std::vector<int>({'A', 'A', kKeyF12}));
    t.keys.failedRead().failedRead();  // unreadable input
    EXPECT_EQ((std::pair<int, int>{waitKey(s), readChar(s)}), (std::pair<int, int>(kKeyNone, -1)));
    EXPECT_EQ(t.keys.pending(), 0u);
}

}  // namespace hv
