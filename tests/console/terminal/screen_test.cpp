#include <gtest/gtest.h>

#include "support/test_app.h"

namespace hv {

class ScreenLayer : public testing::Test {
  protected:
    test::TestApp t;
    Screen& s = t.app.screen;
};

TEST_F(ScreenLayer, BoxCornersAndSides) {
    drawBox(s, 0, kAttrNormal, 5, 20, 17, 60);
    EXPECT_EQ(readCell(s, 5, 20), 7 * 256 + 201);
    EXPECT_EQ(readCell(s, 5, 60), 7 * 256 + 187);
    EXPECT_EQ(readCell(s, 17, 20), 7 * 256 + 200);
    EXPECT_EQ(readCell(s, 17, 60), 7 * 256 + 188);
    // Counted over the whole row or column: nothing is drawn past the corners.
    int top = 0, bottom = 0, left = 0, right = 0;
    for (int c = 0; c < kScreenCols; ++c) {
        top += s.cells[5][c].ch == 205;
        bottom += s.cells[17][c].ch == 205;
        left += c < kScreenRows && s.cells[c][20].ch == 186;
        right += c < kScreenRows && s.cells[c][60].ch == 186;
    }
    EXPECT_EQ(std::vector<int>({top, bottom, left, right}), std::vector<int>({39, 39, 11, 11}));
}

TEST_F(ScreenLayer, SaveThenRestoreBringsBackEveryCell) {
    for (int r = 0; r < kScreenRows; ++r) {
        setAttribute(s, (r * 17) & 0xFF);
        moveCursor(s, r, 0);
        printText(s, "%02d abcdefghijklmnopqrstuvwxyz \xe9\x80 ABCDEFGHIJKLMNOPQRSTUVWXYZ", r);
    }
    drawBox(s, 1, 30, 6, 22, 9, 40);
    const CellGrid before = s.cells;

    SavedRegion saved = openDialog(s, kMessageBox);
    EXPECT_EQ(saved.cells.size(), 13u * 41u);
    moveCursor(s, 10, 26);
    putText(s, "something else entirely");
    closeDialog(s, saved);
    EXPECT_EQ(s.cells, before);  // characters, attributes and frame flags

    // The largest region any window saves.
    SavedRegion big;
    saveRegion(s, big, 1, 5, 23, 75);
    fillRegion(s, kBlankCell, 1, 5, 23, 75);
    EXPECT_EQ(readCell(s, 12, 40), kBlankCell);
    restoreRegion(s, big, 1, 5, 23, 75);
    EXPECT_EQ(s.cells, before);
}

TEST_F(ScreenLayer, WritingUsesTheAttributeWrapsAndNeverScrolls) {
    putText(s, "XYZ");
    moveCursor(s, 0, 1);
    setAttribute(s, kAttrHighlight);
    eraseToEndOfLine(s);
    EXPECT_EQ(readCell(s, 0, 0), kAttrNormal * 256 + 'X');
    for (int c = 1; c < kScreenCols; ++c) EXPECT_EQ(readCell(s, 0, c), 112 * 256 + ' ') << c;
    EXPECT_EQ(readCell(s, 1, 0), kAttrNormal * 256 + ' ');
    EXPECT_EQ(s.cursorCol, 1);

    setAttribute(s, 0x1E);
    moveCursor(s, 23, 78);
    eraseToEndOfScreen(s);
    EXPECT_EQ(attributeAt(s, 23, 77), kAttrNormal);
    EXPECT_EQ(attributeAt(s, 23, 78), 0x1E);
    EXPECT_EQ(attributeAt(s, 24, 79), 0x1E);

    // printText wraps at the right edge and never scrolls.
    moveCursor(s, 2, 75);
    printText(s, "%s|%d\nnext", "abcdefgh", 42);
    EXPECT_EQ(t.row(2).substr(75), "abcde");
    EXPECT_EQ(t.row(3).substr(0, 6), "fgh|42");
    EXPECT_EQ(t.row(4).substr(0, 5), "next ");
    EXPECT_EQ(std::pair(s.cursorRow, s.cursorCol), std::pair(4, 4));

    // Text past the last row is dropped and the cursor stays on the screen.
    moveCursor(s, 24, 70);
    printText(s, "%s", std::string(30, 'z').c_str());
    EXPECT_EQ(t.row(24).substr(70), std::string(10, 'z'));
    EXPECT_EQ(t.row(0), "X" + std::string(79, ' '));
    syncCursor(s);
    EXPECT_LT(s.cursorRow, kScreenRows);

    // A text longer than the formatting buffer.
    moveCursor(s, 10, 0);
    printText(s, "%s", std::string(700, 'q').c_str());
    EXPECT_EQ(t.row(18), std::string(60, 'q') + std::string(20, ' '));
}

TEST_F(ScreenLayer, ReadCharAndWaitKeySkipWhatIsNotForThem) {
    t.keys.key(kKeyDown).key(kKeyF1).text("y").key(kKeyUp).text("Y");
    EXPECT_EQ(readChar(s), 121);
    EXPECT_EQ(readChar(s), 89);

    // Shift, Ctrl or Alt alone, a mouse move and a bare character do not end
    // waitKey, which gives key codes, not characters.
    t.keys.key(kKeyShift).nonKeyEvent().text("A").text("a").event({kKeyCtrl, -1, false});
    t.keys.event({kKeyAlt, -1, false}).event({0, 0xE9, false}).key(kKeyF12);
    EXPECT_EQ(waitKey(s), 65);
    EXPECT_EQ(waitKey(s), 65);
    EXPECT_EQ(waitKey(s), kKeyF12);

    // Input that cannot be read: waitKey gives 0, readChar -1.
    t.keys.failedRead().failedRead();
    EXPECT_EQ(waitKey(s), kKeyNone);
    EXPECT_EQ(readChar(s), -1);
    EXPECT_EQ(t.keys.pending(), 0u);
}

}  // namespace hv
