#include "html/reference_links.h"

#include <gtest/gtest.h>

namespace hv {

namespace {

std::string anchor(const std::string& address) {
    return "<a href=\"" + address + "\" TARGET=_new>";
}

std::vector<LinkEntry> table(std::initializer_list<std::pair<std::string, std::string>> rows) {
    std::vector<LinkEntry> t;
    for (const auto& [key, link] : rows) t.push_back({fitName(key), link});
    return t;
}

}  // namespace

TEST(ReferenceLinks, WordSplitting) {
    using Words = std::vector<std::string>;
    EXPECT_EQ(splitWords(fitName("The Rolling Stones")), (Words{"The", "Rolling", "Stones"}));
    // Two spaces inside a name end it.
    EXPECT_EQ(splitWords(fitName("AC  DC")), (Words{"AC"}));
    EXPECT_EQ(splitWords(fitName("")), (Words{""}));
    EXPECT_EQ(splitWords(fitName("  Leading")), (Words{""}));
    EXPECT_EQ(splitWords(fitName(" Abba")), (Words{"", "Abba"}));
    // A full-width name is read to its end.
    std::string full(29, 'x');
    full[10] = ' ';
    EXPECT_EQ(splitWords(full), (Words{std::string(10, 'x'), std::string(18, 'x')}));
}

TEST(ReferenceLinks, BuiltAddresses) {
    std::vector<LinkEntry> none;
    EXPECT_EQ(artistInfoLink(fitName("The Rolling Stones"), none),
              anchor("http://en.wikipedia.org/wiki/The_Rolling_Stones"));
    EXPECT_EQ(songInfoLink(fitName("let it be"), "", none),
              anchor("http://en.wikipedia.org/wiki/Let_It_Be"));
    EXPECT_EQ(songInfoLink(fitName("let it be"), "NL", none),
              anchor("http://nl.wikipedia.org/wiki/Let_It_Be"));
    EXPECT_EQ(videoLink(fitName("Simon & Garfunkel"), fitName("The Boxer")),
              anchor("http://www.youtube.com/results?search_query=Simon+Garfunkel+The+Boxer"));
    EXPECT_EQ(lyricsLink(fitName("Queen"), fitName("Bohemian Rhapsody")),
              anchor("http://www.lyricsfreak.com/Lyrics/Q/Queen/Bohemian+Rhapsody.html"));
    EXPECT_EQ(artistInfoLink(fitName("AC  DC"), none), anchor("http://en.wikipedia.org/wiki/AC"));
    // Apostrophes and accents go in unchanged; quotes and markup are escaped
    // so the attribute stays whole.
    EXPECT_EQ(songInfoLink(fitName("don't \xe9t\xe9"), "", none),
              anchor("http://en.wikipedia.org/wiki/Don't_\xe9t\xe9"));
    // Blank names give the bare prefixes; a leading space is an empty first word.
    const std::string blank = fitName("");
    EXPECT_EQ(videoLink(blank, blank), anchor("http://www.youtube.com/results?search_query=+"));
    EXPECT_EQ(lyricsLink(blank, blank), anchor("http://www.lyricsfreak.com/Lyrics/ //.html"));
    EXPECT_EQ(songInfoLink(fitName(" abba"), "", none),
              anchor("http://en.wikipedia.org/wiki/_Abba"));
    EXPECT_EQ(lyricsLink(fitName("a \"b\" <c>"), fitName("x&y")),
              anchor("http://www.lyricsfreak.com/Lyrics/a/a+&quot;b&quot;+&lt;c&gt;/x&amp;y.html"));
}

TEST(ReferenceLinks, LinkTables) {
    auto artists = table({{"Queen", "http://www.queenonline.com/"},
                          {"Abba", "abba.htm"},
                          {"Prince", "see http://prince.example/ too"}});
    EXPECT_EQ(artistInfoLink(fitName("Queen"), artists), anchor("http://www.queenonline.com/"));
    // A relative address is ignored and the encyclopedia address built.
    EXPECT_EQ(artistInfoLink(fitName("Abba"), artists),
              anchor("http://en.wikipedia.org/wiki/Abba"));
    // "http:" anywhere makes the entry the address, as it stands.
    EXPECT_EQ(artistInfoLink(fitName("Prince"), artists), anchor("see http://prince.example/ too"));

    // The end mark stops the search.
    auto marked = table({{"xxxxxxx", "xxxxxxx"}, {"Queen", "http://q/"}});
    EXPECT_EQ(findTableLink(fitName("Queen"), marked), "");
    // Only the first 10,007 entries are searched.
    std::vector<LinkEntry> big(kLinkTableSearchLimit, LinkEntry{fitName("Other"), "http://o/"});
    big.push_back({fitName("Queen"), "http://q/"});
    EXPECT_EQ(findTableLink(fitName("Queen"), big), "");
    big.erase(big.begin());
    EXPECT_EQ(findTableLink(fitName("Queen"), big), "http://q/");

    // A long table address is used whole.
    const std::string longLink = "http://" + std::string(293, 'x');
    EXPECT_EQ(artistInfoLink(fitName("Long"), table({{"Long", longLink}})), anchor(longLink));

    auto songs = table({{"Let It Be", "http://letitbe.example/"}});
    EXPECT_EQ(songInfoLink(fitName("Let It Be"), "NL", songs), anchor("http://letitbe.example/"));
}

}  // namespace hv
