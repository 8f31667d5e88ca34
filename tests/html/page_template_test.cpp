#include "html/page_template.h"

#include <gtest/gtest.h>

#include "support/test_app.h"

namespace hv {

namespace {

const BodyWriter kBody = [](std::string& out) { out += "BODY\n"; };
constexpr const char* kTitle = "<TITLE>Caller 2026</TITLE>\n";

}  // namespace

TEST(PageTemplate, TitleAndBodyReplaceTheirWholeLines) {
    std::string page = fillTemplate(
        "<html>\n<TITLE>..</TITLE> tail\n<pre>\nbefore TEXT HERE after\n</pre>\n</html>\n", kTitle,
        kBody);
    EXPECT_EQ(page, "<html>\n<TITLE>Caller 2026</TITLE>\n<pre>\nBODY\n</pre>\n</html>\n");

    // A lower-case title marker is not the marker: the line is copied.
    EXPECT_EQ(fillTemplate("<title>..</title>\nx\n", kTitle, kBody), "<title>..</title>\nx\n");
    // No body marker: a copy with only the title replaced; an empty template
    // gives an empty page.
    EXPECT_EQ(fillTemplate("a\n<TITLE>..\nb\n", kTitle, kBody),
              "a\n<TITLE>Caller 2026</TITLE>\nb\n");
    EXPECT_EQ(fillTemplate("", kTitle, kBody), "");
    // A title line that itself holds the body marker becomes the body.
    EXPECT_EQ(fillTemplate("<TITLE>..\n", "TEXT HERE\n", kBody), "BODY\n");
}

TEST(PageTemplate, LastLineWithOrWithoutLineEndAndTwoBodies) {
    EXPECT_EQ(fillTemplate("TEXT HERE\n</html>", kTitle, kBody), "BODY\n</html>");
    EXPECT_EQ(fillTemplate("TEXT HERE\n</html>\n", kTitle, kBody), "BODY\n</html>\n");
    EXPECT_EQ(fillTemplate("a\nTEXT HERE", kTitle, kBody), "a\nBODY\n");

    std::string twice = fillTemplate("TEXT HERE\n-\nTEXT HERE\n", kTitle, kBody);
    EXPECT_EQ(twice, "BODY\n-\nBODY\n");
    // The chart pages stop looking for markers after their body.
    std::string once =
        fillTemplate("TEXT HERE\n<TITLE>..\nTEXT HERE\n", kTitle, kBody, MarkerScan::untilBody);
    EXPECT_EQ(once, "BODY\n<TITLE>..\nTEXT HERE\n");
}

TEST(PageTemplate, CrLfLinesKeepTheirBytes) {
    std::string page =
        fillTemplate("<html>\r\n<TITLE>..</TITLE>\r\nTEXT HERE\r\n</html>\r\n", kTitle, kBody);
    EXPECT_EQ(page, "<html>\r\n<TITLE>Caller 2026</TITLE>\nBODY\n</html>\r\n");
    // A lone CR is no line end.
    auto pieces = templatePieces("a\rb\r\nc");
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0], "a\rb\r\n");
    EXPECT_EQ(pieces[1], "c");
}

TEST(PageTemplate, LongLinesAreHandledInPiecesOf279) {
    // 278 characters and the line end fit one piece; 279 characters push the
    // line end into a piece of its own; CR LF counts as one character.
    EXPECT_EQ(templatePieces(std::string(278, 'x') + "\n").size(), 1u);
    EXPECT_EQ(templatePieces(std::string(278, 'x') + "\r\n").size(), 1u);
    std::string text = std::string(279, 'x') + "\nz\n";
    auto pieces = templatePieces(text);
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0].size(), 279u);
    EXPECT_EQ(pieces[1], "\n");
    EXPECT_EQ(pieces[2], "z\n");
    EXPECT_EQ(templatePieces(std::string(600, 'y')).size(), 3u);

    // A marker split between two pieces is not recognised.
    std::string split = std::string(275, '-') + "TEXT HERE\n";
    EXPECT_EQ(fillTemplate(split, kTitle, kBody), split);
    // A marker wholly inside the second piece replaces only that piece: the
    // first piece is copied as it stands.
    std::string second = std::string(279, '-') + "..TEXT HERE..\n";
    EXPECT_EQ(fillTemplate(second, kTitle, kBody), std::string(279, '-') + "BODY\n");
}

TEST(PageTemplate, MissingTemplateIsReportedAndNothingIsWritten) {
    test::TestApp t;
    t.keys.text("x");
    EXPECT_FALSE(writeTemplatePage(t.app, "gone.htm", "page.htm", kTitle, kBody));
    EXPECT_EQ(t.row(23).substr(2, 37), "Obliged file gone.htm not present....");
    EXPECT_EQ(t.keys.pending(), 0u);  // the key was waited for
    EXPECT_FALSE(t.exists("page.htm"));
}

}  // namespace hv
