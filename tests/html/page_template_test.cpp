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
        // No body marker: only the title replaced.
        {"a\n<TITLE>..\nb\n", "a\n<TITLE>Caller 2026</TITLE>\nb\n"},
        // The last line without its line end; two bodies.
        {"a\nTEXT HERE", "a\nBODY\n"},
        {"TEXT HERE\n-\nTEXT HERE\n", "BODY\n-\nBODY\n"},
        // Copied lines keep their CR LF.
        {"<html>\r\n<TITLE>..</TITLE>\r\nTEXT HERE\r\n</html>\r\n",
         "<html>\r\n<TITLE>Caller 2026</TITLE>\nBODY\n</html>\r\n"},
        // Lines are read in pieces of 279: a split marker is not seen, a whole one replaces one.
        {split, split},
        {std::string(279, '-') + "..TEXT HERE..\n", std::string(279, '-') + "BODY\n"}};
    for (const auto& [text, page] : cases) EXPECT_EQ(fillTemplate(text, kTitle, kBody), page);

    // The chart pages stop looking for markers after their body.
    EXPECT_EQ(
        fillTemplate("TEXT HERE\n<TITLE>..\nTEXT HERE\n", kTitle, kBody, MarkerScan::untilBody),
        "BODY\n<TITLE>..\nTEXT HERE\n");
}

TEST(PageTemplate, AUtf8TemplateGetsTheProgramsTextInUtf8) {
    const std::pair<const char*, bool> declarations[] = {
        {"<meta charset=\"UTF-8\">", true},
        {"<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; Charset = utf8\">", true},
        {"<meta charset=\"windows-1252\">\n<meta charset=\"utf-8\">", false},
        {"<p>charset=utf-8</p>", false}};
    for (auto [text, utf8] : declarations) EXPECT_EQ(declaresUtf8Charset(text), utf8) << text;

    const BodyWriter body = [](std::string& out) { out += "Beyonc\xE9\n"; };
    const std::string head = "<meta charset=\"utf-8\"><!-- caf\xC3\xA9 -->\n";
    EXPECT_EQ(fillTemplate(head + "<TITLE>..\nTEXT HERE\n", "<TITLE>\x80</TITLE>\n", body),
              head + "<TITLE>\xE2\x82\xAC</TITLE>\nBeyonc\xC3\xA9\n");
}

TEST(PageTemplate, APageIsWrittenWholeOrNotAtAll) {
    test::TempFolder f;
    f.writeFile("t.htm", "<TITLE>..\nTEXT HERE\n");
    f.writeFile("page.htm/x", "a folder where the page should be");
    EXPECT_EQ(writeTemplatePage(f.folder, "t.htm", "page.htm", kTitle, kBody),
              PageStatus::pageNotWritten);
    EXPECT_EQ(writeTemplatePage(f.folder, "t.htm", "new.htm", kTitle, kBody), PageStatus::written);
    EXPECT_EQ(f.readFile("new.htm"), std::string(kTitle) + "BODY\n");
}

}  // namespace hv
