#include "html/vote_form.h"

#include "database/text_format.h"
#include "html/html_escape.h"
#include "html/reference_links.h"

namespace hv {

namespace {

// The first character of an artist field, as a byte.
unsigned char firstCharacter(const std::string& artist) {
    return artist.empty() ? ' ' : static_cast<unsigned char>(artist[0]);
}

// An anchor named by the letter, a link to the top, one link per letter A to
// Z and one to the submit button.
void appendLetterBlock(std::string& out, unsigned char letter) {
    out +=
        "<A NAME=\"" + escapeHtmlAttribute(std::string(1, static_cast<char>(letter))) + "\"></A>";
    out += "<a href=#TOP>TOP</a> ";
    for (char c = 'A'; c <= 'Z'; ++c) appendFormat(out, "<a href=#%c>%c</a> ", c, c);
    out += "<a href=#SUBMIT>SUBMIT</a> \n\n";
}

}  // namespace

std::string voteValue(const Song& song) {
    std::string title = song.song;
    if (!title.empty() && title.back() == ' ') title.back() = '*';
    return formatText("%04d. %s - %s", song.place, song.artist.c_str(), title.c_str());
}

void appendVoteFormBody(std::string& out, const SongTable& songs,
                        const std::vector<OverviewLine>& lines, int mode) {
    unsigned char anchored = 0;  // the letter of the last letter block
    for (size_t i = 0; i < lines.size(); ++i) {
        const OverviewLine& line = lines[i];
        const Song& song = songs.rows[line.row];
        if (line.number == 1 && i != 0) out += "\n";
        if (mode == kBandModeAlphabet) {
            // Names below "A" (digits, signs) were sorted first and share the
            // first block; every other new first letter, a lower-case one
            // too, opens its own.
            unsigned char first = firstCharacter(song.artist);
            if (i == 0 || (first >= 'A' && first != anchored)) {
                appendLetterBlock(out, first);
                anchored = first;
            }
        }
        appendFormat(out,
                     "<input type=checkbox value=\"%s\" name=checkbox onclick=\"test(%d,value)\"> "
                     "%s - %s  %sPlay</a>\n",
                     escapeHtmlAttribute(voteValue(song)).c_str(), static_cast<int>(i),
                     escapeHtmlText(song.artist).c_str(), escapeHtmlText(song.song).c_str(),
                     videoLink(song.artist, song.song).c_str());
    }
    out += "\n";
}

}  // namespace hv
