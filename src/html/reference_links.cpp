#include "html/reference_links.h"

#include <algorithm>

#include "html/html_escape.h"

namespace hv {

namespace {

constexpr size_t kWordScanPositions = 30;
constexpr std::string_view kAnchorStart = "<a href=\"";
constexpr std::string_view kAnchorEnd = "\" TARGET=_new>";

bool isWebAddress(std::string_view link) {
    return link.starts_with("http://") || link.starts_with("https://");
}

// The words escaped, each but the final one followed by the separator.
void appendJoined(std::string& out, const NameWords& words, char separator) {
    for (size_t i = 0; i < words.count; ++i) {
        appendEscapedAttribute(out, words.words[i]);
        if (i + 1 < words.count) out.push_back(separator);
    }
}

void appendEncyclopediaAddress(std::string& out, std::string_view prefix, std::string_view name,
                               bool capitalise) {
    out += prefix;
    NameWords words = nameWords(name);
    for (size_t i = 0; i < words.count; ++i) {
        std::string_view word = words.words[i];
        if (capitalise && !word.empty()) {
            char first = upperCase(word[0]);
            appendEscapedAttribute(out, std::string_view(&first, 1));
            word.remove_prefix(1);
        }
        appendEscapedAttribute(out, word);
        if (i + 1 < words.count) out.push_back('_');
    }
}

}  // namespace

NameWords nameWords(std::string_view name) {
    NameWords words;
    size_t wordStart = 0;
    size_t end = std::min(name.size(), kWordScanPositions);
    for (size_t i = 0; i < end; ++i) {
        if (name[i] != ' ') continue;
        // The end of the field counts as a blank, so a name whose last
        // character is a blank gets no empty final word.
        bool nextIsSpace = i + 1 >= name.size() || name[i + 1] == ' ';
        if (nextIsSpace) {
            end = i;
            break;
        }
        words.words[words.count++] = name.substr(wordStart, i - wordStart);
        wordStart = i + 1;
    }
    words.words[words.count++] = name.substr(wordStart, std::max(end, wordStart) - wordStart);
    return words;
}

std::vector<std::string> splitWords(std::string_view name) {
    NameWords words = nameWords(name);
    return {words.words.begin(), words.words.begin() + static_cast<long>(words.count)};
}

std::string_view findTableLink(std::string_view name, const std::vector<LinkEntry>& table) {
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
    return {};
}

LinkIndex::LinkIndex(const std::vector<LinkEntry>& table, LinkLookup lookup)
    : table_(table), lookup_(lookup) {
    if (lookup_ == LinkLookup::scan) return;
    size_t searched = std::min(table.size(), static_cast<size_t>(kLinkTableSearchLimit));
    firstLink_.reserve(searched);
    for (size_t i = 0; i < searched; ++i) {
        const LinkEntry& entry = table[i];
        if (entry.key.find(kLinkTableEndMark) != std::string::npos) break;
        // An entry that is passed over can never be found, whatever its key.
        if (!isWebAddress(entry.link)) continue;
        longestKey_ = std::max(longestKey_, entry.key.size());
        firstLink_.try_emplace(entry.key, entry.link);
    }
}

std::string_view LinkIndex::find(std::string_view name) const {
    // A name shorter than some key may lie inside it: only the scan can say.
    if (lookup_ == LinkLookup::scan || name.size() < longestKey_)
        return findTableLink(name, table_);
    auto found = firstLink_.find(name);
    return found == firstLink_.end() ? std::string_view() : found->second;
}

std::string anchorTag(std::string_view address) {
    std::string out(kAnchorStart);
    appendEscapedAttribute(out, address);
    out += kAnchorEnd;
    return out;
}

void appendArtistInfoLink(std::string& out, std::string_view artist, const LinkIndex& artistLinks) {
    out += kAnchorStart;
    std::string_view link = artistLinks.find(artist);
    if (link.empty())
        appendEncyclopediaAddress(out, kEncyclopediaPrefix, artist, false);
    else
        appendEscapedAttribute(out, link);
    out += kAnchorEnd;
}

void appendSongInfoLink(std::string& out, std::string_view song, std::string_view country,
                        const LinkIndex& songLinks) {
    out += kAnchorStart;
    std::string_view link = songLinks.find(song);
    if (link.empty()) {
        bool dutch = country.find("NL") != std::string_view::npos;
        appendEncyclopediaAddress(out, dutch ? kDutchEncyclopediaPrefix : kEncyclopediaPrefix, song,
                                  true);
    } else {
        appendEscapedAttribute(out, link);
    }
    out += kAnchorEnd;
}

void appendVideoLink(std::string& out, std::string_view artist, std::string_view song) {
    out += kAnchorStart;
    out += kVideoSearchPrefix;
    NameWords artistWords = nameWords(artist);
    for (size_t i = 0; i < artistWords.count; ++i) {
        std::string_view word = artistWords.words[i];
        bool finalWord = i + 1 == artistWords.count;
        // "&" between two names says nothing to a search.
        if (!finalWord && word.starts_with('&')) continue;
        appendEscapedAttribute(out, word);
        out.push_back('+');
    }
    appendJoined(out, nameWords(song), '+');
    out += kAnchorEnd;
}

void appendLyricsLink(std::string& out, std::string_view artist, std::string_view song) {
    out += kAnchorStart;
    out += kLyricsPrefix;
    appendEscapedAttribute(out, artist.substr(0, 1));
    out.push_back('/');
    appendJoined(out, nameWords(artist), '+');
    out.push_back('/');
    appendJoined(out, nameWords(song), '+');
    out += ".html";
    out += kAnchorEnd;
}

std::string artistInfoLink(std::string_view artist, const std::vector<LinkEntry>& artistLinks) {
    std::string out;
    appendArtistInfoLink(out, artist, LinkIndex(artistLinks, LinkLookup::scan));
    return out;
}

std::string songInfoLink(std::string_view song, std::string_view country,
                         const std::vector<LinkEntry>& songLinks) {
    std::string out;
    appendSongInfoLink(out, song, country, LinkIndex(songLinks, LinkLookup::scan));
    return out;
}

std::string videoLink(std::string_view artist, std::string_view song) {
    std::string out;
    appendVideoLink(out, artist, song);
    return out;
}

std::string lyricsLink(std::string_view artist, std::string_view song) {
    std::string out;
    appendLyricsLink(out, artist, song);
    return out;
}

}  // namespace hv
