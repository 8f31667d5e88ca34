#include <algorithm>
#include <string>

#include "fuzz/harnesses.h"
#include "html/html_escape.h"

namespace hv {

namespace {

constexpr std::string_view kLinkTag = "<a href=\"";
constexpr std::string_view kOwnTags[] = {kLinkTag, "<a href=top", "</a>",     "<IMG ",
                                         "<img ",  "<center>",    "</center>"};

std::string shownName(std::string name) {
    std::replace(name.begin(), name.end(), '\0', ' ');
    std::replace(name.begin(), name.end(), '\r', ' ');
    return escapeHtmlText(name);
}

}  // namespace

std::vector<std::string> splitInput(const uint8_t* data, size_t size, size_t parts) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> out;
    while (out.size() + 1 < parts) {
        size_t cut = rest.find('\x1e');
        if (cut == std::string_view::npos) break;
        out.emplace_back(rest.substr(0, cut));
        rest.remove_prefix(cut + 1);
    }
    out.emplace_back(rest);
    out.resize(parts);
    return out;
}

void requireWellFormedBody(std::string_view body) {
    require(body.find('\0') == std::string_view::npos, "a NUL reached the page");
    require(body.find('\r') == std::string_view::npos, "a CR reached the page");
    for (size_t i = 0; i < body.size(); ++i) {
        require(body[i] != '>', "a raw '>' outside a tag");
        if (body[i] != '<') continue;
        std::string_view rest = body.substr(i);
        require(std::any_of(std::begin(kOwnTags), std::end(kOwnTags),
                            [&](std::string_view tag) { return rest.starts_with(tag); }),
                "a tag the program does not write: a raw '<' reached the page");
        std::string_view tag = rest.substr(0, rest.find('>') + 1);
        require(!tag.empty() && tag.find_first_of("<\n", 1) == std::string_view::npos,
                "a tag broken before its '>'");
        require(std::count(tag.begin(), tag.end(), '"') % 2 == 0, "an attribute broken by a quote");
        if (tag.starts_with(kLinkTag)) {
            std::string_view address = tag.substr(kLinkTag.size());
            require(address.starts_with("http://") || address.starts_with("https://"),
                    "a link to neither an http:// nor an https:// address");
        }
        i += tag.size() - 1;
    }
}

void requireRowsShowNames(std::string_view body, const SongTable& songs) {
    for (int r = 0; r < songs.count; ++r) {
        const Song& s = songs.rows[r];
        std::string row = ".  " + shownName(s.artist) + " - " + shownName(s.song) + " ";
        require(body.find(row) != std::string_view::npos, "a name not shown whole on its row");
    }
}

}  // namespace hv
