#include "votes/mailbox.h"

#include <gmime/gmime.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <unordered_map>

#include "database/song_table.h"
#include "database/text_encoding.h"
#include "database/text_files.h"

namespace hv {

namespace {

// Whole lines of the text, line ends (LF or CR LF) dropped.
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t at = 0;
    while (at < text.size()) {
        size_t lf = text.find('\n', at);
        size_t end = lf == std::string_view::npos ? text.size() : lf;
        std::string_view line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        at = lf == std::string_view::npos ? text.size() : lf + 1;
    }
    return lines;
}

void appendPieces(std::vector<std::string>& out, std::string_view line) {
    if (line.empty()) out.emplace_back();
    for (size_t at = 0; at < line.size(); at += kMailLinePiece)
        out.emplace_back(line.substr(at, kMailLinePiece));
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// The length of a header field's name before its colon, or 0 when the line
// is no header field.
size_t fieldNameLength(std::string_view line) {
    size_t i = 0;
    while (i < line.size() && line[i] > ' ' && line[i] < 127 && line[i] != ':') ++i;
    return (i > 0 && i < line.size() && line[i] == ':') ? i : 0;
}

bool isContinuation(std::string_view line) {
    return !line.empty() && (line[0] == ' ' || line[0] == '\t');
}

bool isMboxSeparator(std::string_view line) {
    return line.substr(0, 5) == "From ";
}

// A message begins at the top of the mailbox or after an empty line, with
// an mbox "From " line or a header block that names its sender or its MIME
// form. Body paragraphs of a vote mail ("checkbox=...") never look like one.
bool startsMessage(const std::vector<std::string_view>& lines, size_t i) {
    if (i > 0 && !lines[i - 1].empty()) return false;
    if (isMboxSeparator(lines[i])) return i + 1 < lines.size() && fieldNameLength(lines[i + 1]);
    if (!fieldNameLength(lines[i])) return false;
    bool known = false;
    for (size_t j = i; j < lines.size() && !lines[j].empty(); ++j) {
        size_t name = fieldNameLength(lines[j]);
        if (!name && !isContinuation(lines[j])) return false;
        std::string field = upperCase(lines[j].substr(0, name));
        if (field == "FROM" || field == "MIME-VERSION" || field == "CONTENT-TYPE") known = true;
    }
    return known;
}

template <typename T>
struct GObjectRelease {
    void operator()(T* object) const {
        if (object) g_object_unref(object);
    }
};
template <typename T>
using GObjectPtr = std::unique_ptr<T, GObjectRelease<T>>;

void initMime() {
    // The library keeps its own tables once set up; later calls only count.
    static const bool ready = (g_mime_init(), true);
    (void)ready;
}

// Charsets whose text is the list's own bytes: Windows-1252 itself and the
// labels mail programs (and browsers) use for it.
bool isListCharset(std::string_view charset) {
    static const char* const kSame[] = {"",           "WINDOWS-1252", "CP1252",        "X-CP1252",
                                        "ISO-8859-1", "ISO_8859-1",   "LATIN1",        "L1",
                                        "US-ASCII",   "ASCII",        "ANSI_X3.4-1968"};
    std::string name = upperCase(trimmed(charset));
    return std::any_of(std::begin(kSame), std::end(kSame),
                       [&](const char* same) { return name == same; });
}

struct MessageForm {
    bool needsDecoding = false;
    bool declaresCharset = false;
    std::string boundary;  // of a multipart message
};

// What the header block (lines from..to) declares.
MessageForm messageForm(const std::vector<std::string_view>& lines, size_t from, size_t to) {
    initMime();
    MessageForm form;
    for (size_t i = from; i < to; ++i) {
        size_t name = fieldNameLength(lines[i]);
        if (!name) continue;
        std::string field = upperCase(lines[i].substr(0, name));
        std::string value(lines[i].substr(name + 1));
        for (size_t j = i + 1; j < to && isContinuation(lines[j]); ++j) value += lines[j];
        if (field == "CONTENT-TRANSFER-ENCODING") {
            std::string encoding = upperCase(trimmed(value));
            if (encoding == "QUOTED-PRINTABLE" || encoding == "BASE64") form.needsDecoding = true;
        } else if (field == "CONTENT-TYPE") {
            GObjectPtr<GMimeContentType> type(g_mime_content_type_parse(nullptr, value.c_str()));
            if (!type) continue;
            if (g_mime_content_type_is_type(type.get(), "multipart", "*")) {
                form.needsDecoding = true;
                if (const char* b = g_mime_content_type_get_parameter(type.get(), "boundary"))
                    form.boundary = b;
            }
            const char* charset = g_mime_content_type_get_parameter(type.get(), "charset");
            if (charset) form.declaresCharset = true;
            if (charset && !isListCharset(charset)) form.needsDecoding = true;
        }
    }
    return form;
}

// The text in Windows-1252. A charset the system does not know leaves the
// bytes as they are.
std::string toListCharset(const std::string& text, const char* charset) {
    if (isListCharset(charset)) return text;
    return charsetToWindows1252(text, g_mime_charset_iconv_name(charset)).value_or(text);
}

// The part to read: the first text/plain part, else the first text part.
// Attached messages are not looked into.
GMimePart* textPart(GMimeObject* object, GMimePart*& firstText) {
    if (GMIME_IS_MULTIPART(object)) {
        GMimeMultipart* multipart = GMIME_MULTIPART(object);
        for (int i = 0; i < g_mime_multipart_get_count(multipart); ++i)
            if (GMimePart* plain = textPart(g_mime_multipart_get_part(multipart, i), firstText))
                return plain;
        return nullptr;
    }
    if (!GMIME_IS_PART(object)) return nullptr;
    GMimeContentType* type = g_mime_object_get_content_type(object);
    if (g_mime_content_type_is_type(type, "text", "plain")) return GMIME_PART(object);
    if (!firstText && g_mime_content_type_is_type(type, "text", "*"))
        firstText = GMIME_PART(object);
    return nullptr;
}

// The decoded text of the message's readable part, in the list's charset;
// nothing when the library cannot read the message.
std::optional<std::string> decodedBody(const std::string& message) {
    initMime();
    GObjectPtr<GMimeStream> stream(
        g_mime_stream_mem_new_with_buffer(message.data(), message.size()));
    GObjectPtr<GMimeParser> parser(g_mime_parser_new_with_stream(stream.get()));
    GObjectPtr<GMimeMessage> parsed(g_mime_parser_construct_message(parser.get(), nullptr));
    if (!parsed) return std::nullopt;
    GMimeObject* root = g_mime_message_get_mime_part(parsed.get());
    if (!root) return std::string();
    GMimePart* firstText = nullptr;
    GMimePart* part = textPart(root, firstText);
    if (!part) part = firstText;
    if (!part) return std::string();
    GMimeDataWrapper* content = g_mime_part_get_content(part);
    if (!content) return std::string();
    GObjectPtr<GMimeStream> decoded(g_mime_stream_mem_new());
    if (g_mime_data_wrapper_write_to_stream(content, decoded.get()) < 0) return std::nullopt;
    GByteArray* bytes = g_mime_stream_mem_get_byte_array(GMIME_STREAM_MEM(decoded.get()));
    std::string text(reinterpret_cast<const char*>(bytes->data), bytes->len);
    const char* charset = g_mime_object_get_content_type_parameter(GMIME_OBJECT(part), "charset");
    return charset ? toListCharset(text, charset) : decodeText(text).text;
}

// The lines of a message that needs no decoding. One that declares no charset
// and is UTF-8 (as mail programs write today) is converted; any other stays
// byte for byte.
void appendPlainMessage(std::vector<std::string>& out, const std::vector<std::string_view>& lines,
                        size_t from, size_t to, bool declaresCharset) {
    const std::string_view whole(
        lines[from].data(),
        static_cast<size_t>(lines[to - 1].data() + lines[to - 1].size() - lines[from].data()));
    const bool utf8 = !declaresCharset && detectEncoding(whole) != TextEncoding::Windows1252;
    for (size_t j = from; j < to; ++j)
        appendPieces(out, utf8 ? std::string_view(utf8ToWindows1252(lines[j])) : lines[j]);
}

// The first line at or after `from` that begins a message, or the end.
size_t nextMessage(const std::vector<std::string_view>& lines, size_t from) {
    while (from < lines.size() && !startsMessage(lines, from)) ++from;
    return from;
}

// Where each closing boundary ("--" text "--") stands, in line order: found
// once, so that messages whose closing line is missing cannot make the
// reading quadratic.
std::unordered_map<std::string_view, std::vector<size_t>> closingLines(
    const std::vector<std::string_view>& lines) {
    std::unordered_map<std::string_view, std::vector<size_t>> closings;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string_view line = trimmed(lines[i]);
        if (line.size() >= 4 && line.substr(0, 2) == "--" && line.substr(line.size() - 2) == "--")
            closings[line].push_back(i);
    }
    return closings;
}

}  // namespace

std::vector<std::string> mailboxLines(std::string_view text) {
    const std::vector<std::string_view> lines = splitLines(text);
    const auto closings = closingLines(lines);
    std::vector<std::string> out;
    out.reserve(lines.size());
    size_t i = 0;
    while (i < lines.size()) {
        if (!startsMessage(lines, i)) {
            appendPieces(out, lines[i++]);
            continue;
        }
        const size_t fields = isMboxSeparator(lines[i]) ? i + 1 : i;
        size_t bodyStart = fields;
        while (bodyStart < lines.size() && !lines[bodyStart].empty()) ++bodyStart;
        const MessageForm form = messageForm(lines, fields, bodyStart);
        if (!form.needsDecoding || bodyStart >= lines.size()) {
            const size_t end = nextMessage(lines, i + 1);
            appendPlainMessage(out, lines, i, end, form.declaresCharset);
            i = end;
            continue;
        }
        // A multipart message runs at least to its closing boundary, so that
        // the headers of its parts never start a message of their own.
        size_t end = bodyStart + 1;
        auto closing = closings.find("--" + form.boundary + "--");
        if (!form.boundary.empty() && closing != closings.end()) {
            const std::vector<size_t>& at = closing->second;
            auto after = std::lower_bound(at.begin(), at.end(), end);
            if (after != at.end()) end = *after + 1;
        }
        end = nextMessage(lines, end);
        std::string message;
        for (size_t j = fields; j < end; ++j) {
            message.append(lines[j]);
            message += '\n';
        }
        // The header lines stay as they stand: the sender line is compared
        // with the sender list byte for byte.
        for (size_t j = i; j <= bodyStart; ++j) appendPieces(out, lines[j]);
        if (std::optional<std::string> body = decodedBody(message)) {
            // The empty lines that part it from the next message stay, as
            // after a plain message, whatever the encoding made of them.
            std::vector<std::string_view> decoded = splitLines(*body);
            while (!decoded.empty() && decoded.back().empty()) decoded.pop_back();
            for (std::string_view line : decoded) appendPieces(out, line);
            for (size_t j = end; j > bodyStart + 1 && lines[j - 1].empty(); --j) out.emplace_back();
        } else {
            for (size_t j = bodyStart + 1; j < end; ++j) appendPieces(out, lines[j]);
        }
        i = end;
    }
    return out;
}

MailboxLines readMailbox(const std::string& path) {
    MailboxLines mailbox;
    std::optional<std::string> text = readWholeFile(path);
    if (!text) return mailbox;
    mailbox.opened = true;
    mailbox.lines = mailboxLines(*text);
    return mailbox;
}

}  // namespace hv
