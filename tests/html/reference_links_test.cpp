#include "html/reference_links.h"

#include <gtest/gtest.h>

#include <random>

namespace hv {

namespace {

std::string anchor(const std::string& address) {
    return "<a href=\"" + address + "\" TARGET=_new>";
}

}  // namespace

TEST(ReferenceLinks, BuiltAddressesAndLinkTables) {
    // Only "http://" and "https://" links count; other entries are passed over.
    std::vector<LinkEntry> artists;
    for (const auto& [key, link] : {std::pair{"Abba", "abba.htm"},
                                    {"Cher", "javascript:alert('http://x')"},
                                    {"Cher", "https://cher.example/?a=1&b=\"2\""}})
        artists.push_back({fitName(key), link});
    const std::string ccr = fitName("Creedence Clearwater Revival");
    const std::pair<std::string, std::string> links[] = {
        {songInfoLink(fitName("let it be"), "NL", {}), "http://nl.wikipedia.org/wiki/Let_It_Be"},
        // Accents go in unchanged.
        {songInfoLink(fitName("\xe9t\xe9"), "", {}), "http://en.wikipedia.org/wiki/\xe9t\xe9"},
        // A name whose 29th character is the padding's only blank.
        {videoLink(ccr, fitName("Have You Ever Seen the Rain?")),
         "http://www.youtube.com/results?search_query="
         "Creedence+Clearwater+Revival+Have+You+Ever+Seen+the+Rain?"},
        {artistInfoLink(fitName("Abba"), artists), "http://en.wikipedia.org/wiki/Abba"},
        {artistInfoLink(fitName("Cher"), artists),
         "https://cher.example/?a=1&amp;b=&quot;2&quot;"}};
    for (const auto& [link, address] : links) EXPECT_EQ(link, anchor(address));

    // The end mark stops the search; only the first 10,007 entries are searched.
    std::vector<LinkEntry> big(kLinkTableSearchLimit, LinkEntry{fitName("Other"), "http://o/"});
    big.push_back({fitName("Queen"), "http://q/"});
    EXPECT_EQ(findTableLink(fitName("Queen"), big), "");
    big.erase(big.begin());
    EXPECT_EQ(findTableLink(fitName("Queen"), big), "http://q/");
    big.front().key = fitName("xxxxxxx");
    EXPECT_EQ(findTableLink(fitName("Queen"), big), "");
}

TEST(ReferenceLinks, IndexedLookUpGivesTheLinksOfTheScan) {
    // Repeated keys, names inside others, short keys, foreign schemes, end marks anywhere.
    std::vector<std::string> pool = {std::string(29, 'Q'), "Queen", "Qu", "", fitName("")};
    for (const char* name : {"Queen", "Queen II", "Abba", "The Who"}) pool.push_back(fitName(name));
    const char* links[] = {"http://a/", "https://b/", "ftp://c/", "", "see http://d/", "HTTP://e/"};
    std::mt19937 random(13);
    for (int round = 0; round < 100; ++round) {
        std::vector<LinkEntry> t;
        for (int i = 0, size = static_cast<int>(random() % 40); i < size; ++i) {
            std::string key = random() % 25 == 0 ? "xxxxxxxx" : pool[random() % std::size(pool)];
            // In some rounds a name inside a longer key: it sends every look-up to the scan.
            if (round % 3 == 0 && random() % 10 == 0) key = "The " + key;
            t.push_back({key, links[random() % std::size(links)] + std::to_string(i)});
        }
        if (round % 40 == 0)
            t.insert(t.begin(), kLinkTableSearchLimit - 2, LinkEntry{"Other", "http://o/"});
        LinkIndex index(t);
        for (const std::string& name : pool)
            ASSERT_EQ(index.find(name), findTableLink(name, t)) << round << " '" << name << "'";
    }
}

}  // namespace hv
