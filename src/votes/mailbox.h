// The mailbox as the vote count reads it: its messages' lines, decoded the
// way the mail program encoded them. A plain message reads as it stands;
// a quoted-printable or base64 body is decoded, of a multipart message only
// the plain-text part is read (the first text part when there is none), and
// text in another charset is converted to the list's Windows-1252, "?"
// standing for a character it lacks. Latin-1 and ASCII labels count as
// Windows-1252, as browsers take them.
//
// A message begins at the top or after an empty line, with an mbox "From "
// line or a header block naming "From:", "MIME-Version:" or "Content-Type:".
// Only a message whose headers declare quoted-printable, base64, multipart
// or another charset is decoded; its header lines stay as they stand (the
// sender line is compared byte for byte) and so do the empty lines after it.
// A message that declares no charset and is UTF-8 throughout is converted as
// a whole, its header lines too.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace hv {

// Lines are read in pieces of at most this many characters, as the vote
// count has always read them; the line end (LF or CR LF) is dropped.
constexpr std::size_t kMailLinePiece = 279;

struct MailboxLines {
    bool opened = false;
    std::vector<std::string> lines;
};

// The lines of a whole mailbox text: a Unix mbox ("From " lines), or
// messages one after the other as the folder conversion writes them.
std::vector<std::string> mailboxLines(std::string_view text);
MailboxLines readMailbox(const std::string& path);

}  // namespace hv
