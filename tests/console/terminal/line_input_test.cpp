#include "console/terminal/line_input.h"

#include <gtest/gtest.h>

#include "console/terminal/scripted_backend.h"

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

}  // namespace hv
