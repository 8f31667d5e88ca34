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

namespace hv {

TEST(Screen, SaveThenRestoreBringsBackEveryCell) {
    test::TestApp t;
    Screen& s = t.app.screen;
    // A varied background: text in several attributes and a frame.
    for (int r = 0; r < kScreenRows; ++r) {
        setAttribute(s, (r * 17) & 0xFF);
        moveCursor(s, r, 0);
        printText(s, "%02d abcdefghijklmnopqrstuvwxyz \xe9\x80 %s", r,
                  "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    }
    drawBox(s, 1, 30, 6, 22, 9, 40);
    CellGrid before = s.cells;

    SavedRegion saved = openDialog(s, kMessageBox);
    EXPECT_EQ(saved.cells.size(), 13u * 41u);
    moveCursor(s, 10, 26);
    setAttribute(s, kAttrHighlight);
    putText(s, "something else entirely");
    EXPECT_NE(s.cells, before);
    closeDialog(s, saved);
    EXPECT_EQ(s.cells, before);  // characters, attributes and frame flags
    EXPECT_TRUE(s.cells[6][22].frame);

    // The largest region saved, directly.
    SavedRegion big;
    saveRegion(s, big, 1, 5, 23, 75);
    fillRegion(s, kBlankCell, 1, 5, 23, 75);
    EXPECT_EQ(readCell(s, 12, 40), kBlankCell);
    restoreRegion(s, big, 1, 5, 23, 75);
    EXPECT_EQ(s.cells, before);
}

TEST(Screen, EraseToEndOfLineAndScreenUseTheCurrentAttribute) {
    test::TestApp t;
    Screen& s = t.app.screen;
    moveCursor(s, 4, 0);
    putText(s, "XYZ");
    moveCursor(s, 4, 1);
    setAttribute(s, kAttrHighlight);
    eraseToEndOfLine(s);
    EXPECT_EQ(readCell(s, 4, 0), kAttrNormal * 256 + 'X');
    for (int c = 1; c < kScreenCols; ++c) EXPECT_EQ(readCell(s, 4, c), 112 * 256 + ' ') << c;
    EXPECT_EQ(readCell(s, 5, 0), kAttrNormal * 256 + ' ');
    EXPECT_EQ(s.cursorRow, 4);
    EXPECT_EQ(s.cursorCol, 1);

    setAttribute(s, 0x1E);
    moveCursor(s, 23, 78);
    eraseToEndOfScreen(s);
    EXPECT_EQ(attributeAt(s, 23, 77), kAttrNormal);
    EXPECT_EQ(attributeAt(s, 23, 78), 0x1E);
    EXPECT_EQ(attributeAt(s, 24, 0), 0x1E);
    EXPECT_EQ(attributeAt(s, 24, 79), 0x1E);
}

TEST(Screen, PrintTextWrapsAtTheRightEdgeAndLineEndsGoToTheNextRow) {
    test::TestApp t;
    Screen& s = t.app.screen;
    moveCursor(s, 2, 75);
    printText(s, "%s|%d\nnext", "abcdefgh", 42);
    EXPECT_EQ(t.row(2).substr(75), "abcde");
    EXPECT_EQ(t.row(3).substr(0, 6), "fgh|42");
    EXPECT_EQ(t.row(4).substr(0, 5), "next ");
    EXPECT_EQ(s.cursorRow, 4);
    EXPECT_EQ(s.cursorCol, 4);

    // Text past the last row is dropped, never scrolled, and the cursor
    // stays on the screen.
    moveCursor(s, 24, 70);
    printText(s, "%s", std::string(30, 'z').c_str());
    EXPECT_EQ(t.row(24).substr(70), std::string(10, 'z'));
    EXPECT_EQ(t.row(0), std::string(80, ' '));
    syncCursor(s);
    EXPECT_LT(s.cursorRow, kScreenRows);

    // A text longer than the formatting buffer.
    moveCursor(s, 10, 0);
    printText(s, "%s", std::string(700, 'q').c_str());
    EXPECT_EQ(t.row(18).substr(0, 60), std::string(60, 'q'));
    EXPECT_EQ(t.row(18)[60], ' ');
}

TEST(Screen, ReadCharAndWaitKeySkipWhatIsNotForThem) {
    test::TestApp t;
    Screen& s = t.app.screen;
    t.keys.key(kKeyDown).key(kKeyF1).text("y").key(kKeyUp).text("Y");
    EXPECT_EQ(readChar(s), 121);
    EXPECT_EQ(readChar(s), 89);
    EXPECT_EQ(t.keys.pending(), 0u);

    // Shift alone, a mouse move and a key release do not end waitKey.
    t.keys.key(kKeyShift).nonKeyEvent().text("A").text("a");
    EXPECT_EQ(waitKey(s), 65);
    EXPECT_EQ(waitKey(s), 65);
    t.keys.event({kKeyCtrl, -1, false}).event({kKeyAlt, -1, false}).event({0, 0xE9, false});
    t.keys.key(kKeyF12);
    EXPECT_EQ(waitKey(s), kKeyF12);

    // Input that cannot be read: waitKey gives 0, readChar -1.
    t.keys.failedRead().failedRead();
    EXPECT_EQ(waitKey(s), kKeyNone);
    EXPECT_EQ(readChar(s), -1);
}

}  // namespace hv
