#include "console/terminal/line_input.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "support/test_app.h"

namespace hv {

TEST(LineInput, AFieldKeepsItsEchoInsideItsWidth) {
    // Column, field, keys before Enter (\x1b Escape, \b Backspace), answer, cells left.
    const std::tuple<int, LineField, std::string, std::optional<std::string>, std::string> cases[] =
        {{40, {4, 10, false}, "abcdef\bx", "abcx", "abcx      "},
         {40, {99, 10, true}, "ab\x1b", std::nullopt, "ab        "},
         {40, {99, 10, false}, "ab\x1b\b\bc", "c", "c         "},
         {75, {99, 36, false}, "1234567", "1234567", "4567 "}};
    for (const auto& [col, field, typed, answer, cells] : cases) {
        test::TestApp t;
        for (int r : {3, 4}) putTextAt(t.app.screen, r, 0, std::string(80, '.'));
        moveCursor(t.app.screen, 3, col);
        t.keys.line(typed);
        EXPECT_EQ(readField(t.app.screen, field), answer) << typed;
        std::string dots(80, '.');
        EXPECT_EQ(t.row(3) + t.row(4),
                  dots.replace(col, cells.size(), cells) + std::string(80, '.'));
    }
}

TEST(LineInput, ACharacterWindows1252LacksIsRefusedWithANotice) {
    test::TestApp t;
    moveCursor(t.app.screen, 12, 30);
    t.keys.typed(U"a\u03A9\u00E9\u20AC\u00DF").line("");
    EXPECT_EQ(readLine(t.app.screen, 20), "a\xE9\x80\xDF");
    EXPECT_EQ(t.keys.pauses, std::vector<int>{1000});
    EXPECT_EQ(t.keys.rowsAtPause.at(10).substr(24, 33), "Character not in Windows-1252... ");
    EXPECT_EQ(t.row(12).substr(30, 5), "a\xE9\x80\xDF ");
}

}  // namespace hv
