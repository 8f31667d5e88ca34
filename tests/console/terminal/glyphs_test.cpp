#include "console/terminal/glyphs.h"

#include <gtest/gtest.h>

#include "support/test_app.h"

namespace hv {

TEST(Glyphs, TextBytesShowAsWindows1252AndFramesAsBoxDrawing) {
    const std::u32string text = U"A~€Š“Ÿ??\u00A0éÿ   ";  // 0x81 and 0x9D are undefined
    const unsigned char bytes[] = {'A',  '~',  0x80, 0x8A, 0x93, 0x9F, 0x81,
                                   0x9D, 0xA0, 0xE9, 0xFF, 0x00, 0x1B, 0x7F};
    for (size_t i = 0; i < text.size(); ++i)
        EXPECT_EQ(cellGlyph(Cell{bytes[i], 7, false}), text[i]) << int(bytes[i]);
    EXPECT_EQ(cellGlyph(Cell{201, 7, true}), U'╔');
    EXPECT_EQ(cellGlyph(Cell{201, 7, false}), U'É');

    // Every frame style maps to box glyphs.
    test::TestApp t;
    const auto& c = t.app.screen.cells;
    const std::u32string expected[5] = {U"╔╗╚╝║═", U"┌┐└┘│─", U"██████", U"╒╕╘╛│═", U"╓╖╙╜║─"};
    for (int style = 0; style < 5; ++style) {
        drawBox(t.app.screen, style, kAttrNormal, 5, 20, 17, 60);
        std::u32string seen;
        for (Cell cell : {c[5][20], c[5][60], c[17][20], c[17][60], c[6][20], c[5][21]})
            seen += cellGlyph(cell);
        EXPECT_EQ(seen, expected[style]) << style;
    }
}

TEST(Glyphs, TypedCharactersBecomeWindows1252Bytes) {
    for (int b = 0x20; b <= 0xFF; ++b) {
        char32_t u = windows1252ToUnicode(static_cast<unsigned char>(b));
        if (b == 0x7F || u == U'\uFFFD') continue;
        EXPECT_EQ(unicodeToWindows1252(u), b) << b;
    }
    for (char32_t u : {U'\u0081', U'Ā', U'╔', U'\n'}) EXPECT_EQ(unicodeToWindows1252(u), -1);
}

}  // namespace hv
