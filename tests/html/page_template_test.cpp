#include "html/page_template.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace hv {

namespace {

const BodyWriter kBody = [](std::string& out) { out += "BODY\n"; };
constexpr const char* kTitle = "<TITLE>Caller 2026</TITLE>\n";

}  // namespace

TEST(PageTemplate, TitleAndBodyReplaceTheirWholeLines) {
    const std::string split = std::string(275, '-') + "TEXT HERE\n";
    const std::pair<std::string, std::string> cases[] = {
        // template, page
        {"<html>\n<TITLE>..</TITLE> tail\n<pre>\nbefore TEXT HERE after\n</pre>\n</html>\n",
         "<html>\n<TITLE>Caller 2026</TITLE>\n<pre>\nBODY\n</pre>\n</html>\n"},
        // A lower-case title marker is not the marker.
        {"<title>..</title>\nx\n", "<title>..</title>\nx\n"},
        // No body marker: only the title replaced; an empty template gives an
        // empty page.
        {"a\n<TITLE>..\nb\n", "a\n<TITLE>Caller 2026</TITLE>\nb\n"},
        {"", ""},
        // The last line with or without its line end; two bodies.
        {"TEXT HERE\n</html>", "BODY\n</html>"},
        {"TEXT HERE\n</html>\n", "BODY\n</html>\n"},
        {"a\nTEXT HERE", "a\nBODY\n"},
        {"TEXT HERE\n-\nTEXT HERE\n", "BODY\n-\nBODY\n"},
        // Copied lines keep their CR LF.
        {"<html>\r\n<TITLE>..</TITLE>\r\nTEXT HERE\r\n</html>\r\n",
         "<html>\r\n<TITLE>Caller 2026</TITLE>\nBODY\n</html>\r\n"},
        // Lines are read in pieces of 279: a marker split between two is not
        // recognised; one wholly inside the second piece replaces only it.
        {split, split},
        {std::string(279, '-') + "..TEXT HERE..\n", std::string(279, '-') + "BODY\n"}};
    for (const auto& [text, page] : cases) EXPECT_EQ(fillTemplate(text, kTitle, kBody), page);

    // A title line that itself holds the body marker becomes the body.
    EXPECT_EQ(fillTemplate("<TITLE>..\n", "TEXT HERE\n", kBody), "BODY\n");
    // The chart pages stop looking for markers after their body.
    EXPECT_EQ(
        fillTemplate("TEXT HERE\n<TITLE>..\nTEXT HERE\n", kTitle, kBody, MarkerScan::untilBody),
        "BODY\n<TITLE>..\nTEXT HERE\n");
}

TEST(PageTemplate, PiecesOf279) {
    // 278 characters and the line end fit one piece (CR LF counts as one
    // character); 279 characters push the line end into a piece of its own.
    using Pieces = std::vector<std::string_view>;
    EXPECT_EQ(templatePieces(std::string(278, 'x') + "\n").size(), 1u);
    EXPECT_EQ(templatePieces(std::string(278, 'x') + "\r\n").size(), 1u);
    const std::string text = std::string(279, 'x') + "\nz\n";
    EXPECT_EQ(templatePieces(text), (Pieces{std::string_view(text).substr(0, 279), "\n", "z\n"}));
    EXPECT_EQ(templatePieces(std::string(600, 'y')).size(), 3u);
    EXPECT_EQ(templatePieces("a\rb\r\nc"), (Pieces{"a\rb\r\n", "c"}));  // a lone CR is no line end
}

TEST(PageTemplate, APageIsWrittenWholeOrNotAtAll) {
    test::TempFolder f;
    EXPECT_EQ(writeTemplatePage(f.folder, "gone.htm", "page.htm", kTitle, kBody),
              PageStatus::templateMissing);
    EXPECT_FALSE(f.exists("page.htm"));
    f.writeFile("t.htm", "<TITLE>..\nTEXT HERE\n");
    f.writeFile("page.htm/x", "a folder where the page should be");
    EXPECT_EQ(writeTemplatePage(f.folder, "t.htm", "page.htm", kTitle, kBody),
              PageStatus::pageNotWritten);
    EXPECT_EQ(writeTemplatePage(f.folder, "t.htm", "new.htm", kTitle, kBody), PageStatus::written);
    EXPECT_EQ(f.readFile("new.htm"), std::string(kTitle) + "BODY\n");
}

}  // namespace hv
