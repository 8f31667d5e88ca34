#include "database/text_encoding.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace hv {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 sequence the text starts with (no
// overlong forms, no surrogates, nothing above U+10FFFF); 0 when it does not
// start with one.
size_t sequenceLength(std::string_view s) {
    const auto at = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char c = at(0);
    if (c < 0x80) return 1;
    size_t n = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        if (c == 0xE0) low = 0xA0;
        if (c == 0xED) high = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        if (c == 0xF0) low = 0x90;
        if (c == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (s.size() < n || at(1) < low || at(1) > high) return 0;
    for (size_t i = 2; i < n; ++i)
        if (!isContinuation(at(i))) return 0;
    return n;
}

// Windows-1252 leaves these bytes undefined, so iconv refuses them both ways.
bool isUndefinedByte(unsigned char c) {
    return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

// Converts with iconv. Where iconv refuses the input, `refused` gets the
// rest of it, appends what stands for the refused part and says how many
// bytes that part took.
template <typename Refused>
std::string convert(const char* to, const char* from, std::string_view in, Refused refused) {
    iconv_t cd = ::iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    std::string out;
    out.reserve(in.size() + in.size() / 8);
    char* inPtr = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    char buffer[16384];
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        const size_t result = ::iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<size_t>(outPtr - buffer));
        if (result != static_cast<size_t>(-1) || errno == E2BIG) continue;
        const size_t used = refused(std::string_view(inPtr, inLeft), out);
        inPtr += used;
        inLeft -= used;
    }
    ::iconv_close(cd);
    return out;
}

}  // namespace

const char* encodingName(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf8:
            return "utf-8";
        case TextEncoding::Utf8WithBom:
            return "utf-8 bom";
        case TextEncoding::Windows1252:
            break;
    }
    return "windows-1252";
}

bool encodingFromName(std::string_view name, TextEncoding& out) {
    for (TextEncoding e :
         {TextEncoding::Windows1252, TextEncoding::Utf8, TextEncoding::Utf8WithBom}) {
        if (name == encodingName(e)) {
            out = e;
            return true;
        }
    }
    return false;
}

namespace {

// Whether the bytes are well-formed UTF-8; multiByte tells whether any
// character took more than one byte.
bool scanUtf8(std::string_view bytes, bool& multiByte) {
    multiByte = false;
    for (size_t i = 0; i < bytes.size();) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        const size_t n = sequenceLength(bytes.substr(i));
        if (n == 0) return false;
        multiByte = true;
        i += n;
    }
    return true;
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
    bool multiByte;
    return scanUtf8(bytes, multiByte);
}

TextEncoding detectEncoding(std::string_view bytes) {
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) return TextEncoding::Utf8WithBom;
    bool multiByte;
    return scanUtf8(bytes, multiByte) && multiByte ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

DecodedText decodeText(std::string_view bytes) {
    DecodedText out;
    out.encoding = detectEncoding(bytes);
    if (out.encoding == TextEncoding::Windows1252) {
        out.text = std::string(bytes);
        return out;
    }
    if (out.encoding == TextEncoding::Utf8WithBom) bytes.remove_prefix(kByteOrderMark.size());
    out.text = utf8ToWindows1252(bytes, &out.replaced);
    return out;
}

std::string utf8ToWindows1252(std::string_view utf8, int* replaced) {
    int count = 0;
    std::string out = convert(
        "WINDOWS-1252", "UTF-8", utf8, [&](std::string_view rest, std::string& to) -> size_t {
            const size_t n = sequenceLength(rest);
            if (n == 2) {
                const unsigned char c =
                    static_cast<unsigned char>(((rest[0] & 0x1F) << 6) | (rest[1] & 0x3F));
                if (isUndefinedByte(c)) {
                    to.push_back(static_cast<char>(c));
                    return 2;
                }
            }
            to.push_back('?');
            ++count;
            return n == 0 ? 1 : n;
        });
    if (replaced) *replaced = count;
    return out;
}

std::optional<std::string> charsetToWindows1252(std::string_view text, const char* charset) {
    iconv_t probe = ::iconv_open("UTF-8", charset);
    if (probe == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    ::iconv_close(probe);
    const std::string utf8 = convert("UTF-8", charset, text, [](std::string_view, std::string& to) {
        to.push_back('?');
        return size_t{1};
    });
    return utf8ToWindows1252(utf8);
}

std::string windows1252ToUtf8(std::string_view text) {
    return convert("UTF-8", "WINDOWS-1252", text, [](std::string_view rest, std::string& to) {
        // One of the undefined bytes, all of them below 0xC0.
        to.push_back('\xC2');
        to.push_back(rest[0]);
        return size_t{1};
    });
}

std::string encodeText(std::string_view text, TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf8:
            return windows1252ToUtf8(text);
        case TextEncoding::Utf8WithBom:
            return std::string(kByteOrderMark) + windows1252ToUtf8(text);
        case TextEncoding::Windows1252:
            break;
    }
    return std::string(text);
}

}  // namespace hv
