#include "html/reference_links.h"

#include <algorithm>

#include "html/html_escape.h"

namespace hv {

namespace {

constexpr size_t kWordScanPositions = 30;

// The words joined by the separator, which follows every word but the final one.
std::string joinWords(const std::vector<std::string>& words, char separator) {
    std::string out;
    for (size_t i = 0; i < words.size(); ++i) {
        out += words[i];
        if (i + 1 < words.size()) out.push_back(separator);
    }
    return out;
}

std::string encyclopediaAddress(std::string_view prefix, std::vector<std::string> words,
                                bool capitalise) {
    if (capitalise) {
        for (std::string& word : words)
            if (!word.empty()) word[0] = upperCase(word[0]);
    }
    return std::string(prefix) + joinWords(words, '_');
}

bool isWebAddress(std::string_view link) {
    return link.starts_with("http://") || link.starts_with("https://");
}

}  // namespace

std::vector<std::string> splitWords(std::string_view name) {
    std::vector<std::string> words;
    std::string current;
    size_t end = std::min(name.size(), kWordScanPositions);
    for (size_t i = 0; i < end; ++i) {
        // The end of the field counts as a blank, so a name whose last
        // character is a blank gets no empty final word.
        bool nextIsSpace = i + 1 >= name.size() || name[i + 1] == ' ';
        if (name[i] == ' ' && nextIsSpace) break;
        if (name[i] == ' ') {
            words.push_back(current);
            current.clear();
        } else {
            current.push_back(name[i]);
        }
    }
    words.push_back(current);
    return words;
}

std::string findTableLink(std::string_view name, const std::vector<LinkEntry>& table) {
    int searched = 0;
    for (const LinkEntry& entry : table) {
        if (searched++ >= kLinkTableSearchLimit) break;
        if (entry.key.find(kLinkTableEndMark) != std::string::npos) break;
        if (entry.key.find(name) == std::string::npos) continue;
        // Only web addresses: "javascript:" or "data:" links that merely
        // hold "http:" somewhere, or relative ones, count as no entry.
        if (!isWebAddress(entry.link)) continue;
        return entry.link;
    }
    return "";
}

std::string anchorTag(std::string_view address) {
    return "<a href=\"" + escapeHtmlAttribute(address) + "\" TARGET=_new>";
}

std::string artistInfoLink(std::string_view artist, const std::vector<LinkEntry>& artistLinks) {
    std::string address = findTableLink(artist, artistLinks);
    if (address.empty())
        address = encyclopediaAddress(kEncyclopediaPrefix, splitWords(artist), false);
    return anchorTag(address);
}

std::string songInfoLink(std::string_view song, std::string_view country,
                         const std::vector<LinkEntry>& songLinks) {
    std::string address = findTableLink(song, songLinks);
    if (address.empty()) {
        bool dutch = country.find("NL") != std::string_view::npos;
        address = encyclopediaAddress(dutch ? kDutchEncyclopediaPrefix : kEncyclopediaPrefix,
                                      splitWords(song), true);
    }
    return anchorTag(address);
}

std::string videoLink(std::string_view artist, std::string_view song) {
    std::string address(kVideoSearchPrefix);
    std::vector<std::string> artistWords = splitWords(artist);
    for (size_t i = 0; i < artistWords.size(); ++i) {
        bool finalWord = i + 1 == artistWords.size();
        // "&" between two names says nothing to a search.
        if (!finalWord && !artistWords[i].empty() && artistWords[i][0] == '&') continue;
        address += artistWords[i];
        address.push_back('+');
    }
    address += joinWords(splitWords(song), '+');
    return anchorTag(address);
}

std::string lyricsLink(std::string_view artist, std::string_view song) {
    std::string address(kLyricsPrefix);
    if (!artist.empty()) address.push_back(artist[0]);
    address.push_back('/');
    address += joinWords(splitWords(artist), '+');
    address.push_back('/');
    address += joinWords(splitWords(song), '+');
    address += ".html";
    return anchorTag(address);
}

}  // namespace hv
