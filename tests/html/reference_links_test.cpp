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
    std::string full(29, 'x');  // a full-width name is read to its end
    full[10] = ' ';
    // Two spaces inside a name end it; a leading space is an empty first word.
    const std::pair<std::string, Words> names[] = {
        {fitName("The Rolling Stones"), {"The", "Rolling", "Stones"}},
        {fitName("AC  DC"), {"AC"}},
        {fitName(""), {""}},
        {fitName("  Leading"), {""}},
        {fitName(" Abba"), {"", "Abba"}},
        {full, {std::string(10, 'x'), std::string(18, 'x')}}};
    for (const auto& [name, words] : names) EXPECT_EQ(splitWords(name), words) << name;
}

TEST(ReferenceLinks, BuiltAddresses) {
    std::vector<LinkEntry> none;
    const std::string blank = fitName("");
    const std::pair<std::string, std::string> links[] = {
        {artistInfoLink(fitName("The Rolling Stones"), none),
         "http://en.wikipedia.org/wiki/The_Rolling_Stones"},
        {songInfoLink(fitName("let it be"), "", none), "http://en.wikipedia.org/wiki/Let_It_Be"},
        {songInfoLink(fitName("let it be"), "NL", none), "http://nl.wikipedia.org/wiki/Let_It_Be"},
        {videoLink(fitName("Simon & Garfunkel"), fitName("The Boxer")),
         "http://www.youtube.com/results?search_query=Simon+Garfunkel+The+Boxer"},
        {lyricsLink(fitName("Queen"), fitName("Bohemian Rhapsody")),
         "http://www.lyricsfreak.com/Lyrics/Q/Queen/Bohemian+Rhapsody.html"},
        // Apostrophes and accents go in unchanged; quotes and markup are
        // escaped so the attribute stays whole.
        {songInfoLink(fitName("don't \xe9t\xe9"), "", none),
         "http://en.wikipedia.org/wiki/Don't_\xe9t\xe9"},
        {lyricsLink(fitName("a \"b\" <c>"), fitName("x&y")),
         "http://www.lyricsfreak.com/Lyrics/a/a+&quot;b&quot;+&lt;c&gt;/x&amp;y.html"},
        // Blank names give the bare prefixes.
        {videoLink(blank, blank), "http://www.youtube.com/results?search_query=+"},
        {lyricsLink(blank, blank), "http://www.lyricsfreak.com/Lyrics/ //.html"},
        {songInfoLink(fitName(" abba"), "", none), "http://en.wikipedia.org/wiki/_Abba"}};
    for (const auto& [link, address] : links) EXPECT_EQ(link, anchor(address));
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
    auto songs = table({{"Let It Be", "http://letitbe.example/"}});
    EXPECT_EQ(songInfoLink(fitName("Let It Be"), "NL", songs), anchor("http://letitbe.example/"));

    // The end mark stops the search; only the first 10,007 entries are searched.
    EXPECT_EQ(findTableLink(fitName("Queen"), table({{"xxxxxxx", "x"}, {"Queen", "http://q/"}})),
              "");
    std::vector<LinkEntry> big(kLinkTableSearchLimit, LinkEntry{fitName("Other"), "http://o/"});
    big.push_back({fitName("Queen"), "http://q/"});
    EXPECT_EQ(findTableLink(fitName("Queen"), big), "");
    big.erase(big.begin());
    EXPECT_EQ(findTableLink(fitName("Queen"), big), "http://q/");
}

}  // namespace hv
