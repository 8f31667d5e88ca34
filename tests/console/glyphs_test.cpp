#include "console/glyphs.h"

#include <gtest/gtest.h>

#include "console/key_diagnostic.h"
#include "support/test_app.h"

namespace hv {

TEST(Glyphs, TextBytesShowAsWindows1252AndFramesAsBoxDrawing) {
    EXPECT_EQ(cellGlyph(Cell{'A', 7, false}), U'A');
    EXPECT_EQ(cellGlyph(Cell{'~', 7, false}), U'~');
    EXPECT_EQ(cellGlyph(Cell{0x80, 7, false}), U'€');
    EXPECT_EQ(cellGlyph(Cell{0x8A, 7, false}), U'Š');
    EXPECT_EQ(cellGlyph(Cell{0x93, 7, false}), U'“');
    EXPECT_EQ(cellGlyph(Cell{0x9F, 7, false}), U'Ÿ');
    EXPECT_EQ(cellGlyph(Cell{0x81, 7, false}), U'?');  // undefined position
    EXPECT_EQ(cellGlyph(Cell{0x9D, 7, false}), U'?');
    EXPECT_EQ(cellGlyph(Cell{0xA0, 7, false}), U'\u00A0');
    EXPECT_EQ(cellGlyph(Cell{0xE9, 7, false}), U'é');
    EXPECT_EQ(cellGlyph(Cell{0xFF, 7, false}), U'ÿ');
    EXPECT_EQ(cellGlyph(Cell{0x00, 7, false}), U' ');
    EXPECT_EQ(cellGlyph(Cell{0x1B, 7, false}), U' ');
    EXPECT_EQ(cellGlyph(Cell{0x7F, 7, false}), U' ');

    // The same bytes in a frame are the box characters of code page 437.
    EXPECT_EQ(cellGlyph(Cell{201, 7, true}), U'╔');
    EXPECT_EQ(cellGlyph(Cell{201, 7, false}), U'É');
    EXPECT_EQ(cellGlyph(Cell{205, 7, true}), U'═');
    EXPECT_EQ(cellGlyph(Cell{205, 7, false}), U'Í');

    // Every frame style drawBox knows maps to a box glyph, never to a letter.
    test::TestApp t;
    Screen& s = t.app.screen;
    const std::u32string expected[5] = {U"╔╗╚╝║═", U"┌┐└┘│─", U"██████", U"╒╕╘╛│═", U"╓╖╙╜║─"};
    for (int style = 0; style < 5; ++style) {
        drawBox(s, style, kAttrNormal, 5, 20, 17, 60);
        std::u32string seen = {cellGlyph(s.cells[5][20]),  cellGlyph(s.cells[5][60]),
                               cellGlyph(s.cells[17][20]), cellGlyph(s.cells[17][60]),
                               cellGlyph(s.cells[6][20]),  cellGlyph(s.cells[5][21])};
        EXPECT_EQ(seen, expected[style]) << style;
    }
}

TEST(Glyphs, TypedCharactersBecomeWindows1252Bytes) {
    EXPECT_EQ(unicodeToWindows1252(U'a'), 'a');
    EXPECT_EQ(unicodeToWindows1252(U'€'), 0x80);
    EXPECT_EQ(unicodeToWindows1252(U'ž'), 0x9E);
    EXPECT_EQ(unicodeToWindows1252(U'é'), 0xE9);
    EXPECT_EQ(unicodeToWindows1252(U'ÿ'), 0xFF);
    EXPECT_EQ(unicodeToWindows1252(U'\u0081'), -1);  // a C1 control, not a character
    EXPECT_EQ(unicodeToWindows1252(U'Ā'), -1);
    EXPECT_EQ(unicodeToWindows1252(U'╔'), -1);
    EXPECT_EQ(unicodeToWindows1252(U'\n'), -1);
    // Both directions agree for every defined byte.
    for (int b = 0x20; b <= 0xFF; ++b) {
        char32_t u = windows1252ToUnicode(static_cast<unsigned char>(b));
        if (b == 0x7F || u == U'\uFFFD') continue;
        EXPECT_EQ(unicodeToWindows1252(u), b) << b;
    }
}

TEST(KeyDiagnostic, ShowsEachKeyCodeUntilQ) {
    test::TestApp t;
    t.keys.key(kKeyF1).key(kKeyPageDown).event({0, 0xE9, false}).key(kKeyShift).text("A");
    t.keys.text("q");
    EXPECT_EQ(runKeyDiagnostic(t.app.screen), 0);
    EXPECT_EQ(t.keys.pending(), 0u);
    EXPECT_EQ(t.keys.closes, 1);

    test::TestApp u;
    u.keys.key(kKeyF1).key(kKeyPageDown).event({0, 0xE9, false}).text("A");
    EXPECT_THROW(runKeyDiagnostic(u.app.screen), ScriptExhausted);
    EXPECT_NE(u.row(10).find("Key code: 65  A"), std::string::npos) << u.screen();
    EXPECT_NE(u.row(11).find("Character: A  65"), std::string::npos);
    EXPECT_NE(u.row(14).find("65 34 112"), std::string::npos) << u.screen();
    EXPECT_EQ(keyName(kKeyF12), "F12");
    EXPECT_EQ(keyName(kKeyInsert), "Insert");
}

}  // namespace hv
