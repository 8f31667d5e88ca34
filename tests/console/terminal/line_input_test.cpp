#include "console/terminal/line_input.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "console/terminal/scripted_backend.h"
#include "support/test_app.h"

namespace hv {

TEST(LineInput, EchoesEditsAndStopsAtTheFieldSize) {
    Screen s;
    auto backend = std::make_unique<ScriptedBackend>();
    ScriptedBackend& keys = *backend;
    s.backend = std::move(backend);
    openScreen(s);
    moveCursor(s, 3, 10);
    setAttribute(s, 0x1E);
    keys.line("abcdefgh");
    EXPECT_EQ(readLine(s, 5), "abcde");
    EXPECT_EQ(rowText(s, 3).substr(10, 7), "abcde  ");
    for (int c = 10; c < 15; ++c) EXPECT_EQ(attributeAt(s, 3, c), 0x1E);
    EXPECT_EQ(attributeAt(s, 3, 15), kAttrNormal);

    // Backspace erases on screen too; keys that type nothing are ignored.
    moveCursor(s, 6, 0);
    keys.text("ab").key(kKeyBackspace).key(kKeyF3).text("c");
    keys.event({0, 0xE9, false}).key(kKeyBackspace).key(kKeyBackspace).key(kKeyBackspace);
    keys.key(kKeyBackspace).line("x\xe9");
    EXPECT_EQ(readLine(s, 79), "x\xe9");
    EXPECT_EQ(rowText(s, 6).substr(0, 4), "x\xe9  ");

    keys.line("");
    EXPECT_EQ(readLine(s, 10), "");
    // The bottom row takes what fits before its last cell; a failed read does not end the line.
    moveCursor(s, 24, 70);
    keys.text("abcd").failedRead().line("efghijklmnop");
    EXPECT_EQ(readLine(s, 299), "abcdefghi");
    EXPECT_EQ(rowText(s, 24).substr(70), "abcdefghi ");
    EXPECT_EQ(rowText(s, 0).substr(0, 5), std::string(5, ' '));
}

TEST(LineInput, AFieldKeepsItsEchoInsideItsWidth) {
    // Column, field, keys before Enter (\x1b Escape, \b Backspace), answer, cells left.
    const std::tuple<int, LineField, std::string, std::optional<std::string>, std::string> cases[] =
        {{40, {99, 10, false}, "abcdefghijkl", "abcdefghijkl", "defghijkl "},
         {40, {4, 10, false}, "abcdef\bx", "abcx", "abcx      "},
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

}  // namespace hv
