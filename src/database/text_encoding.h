// The program holds every text as Windows-1252 bytes. Files from outside may
// be UTF-8 instead: such a file is recognised and converted on reading, and
// written back in UTF-8 where the file it came from was.
//
// A file is UTF-8 when it starts with the UTF-8 byte-order mark, or when it
// is valid UTF-8 and holds at least one multi-byte sequence. Any other file
// is Windows-1252 and is taken byte for byte. A Windows-1252 file that
// happens to be valid UTF-8 is therefore read as UTF-8: that needs every
// byte above 0x7F to stand in a lead-and-continuation pattern, such as an
// upper-case accented letter followed by a symbol ("Ã©"), and never a lone
// "é" or "ü" beside a plain letter, which real names do not give.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace hv {

enum class TextEncoding { Windows1252, Utf8, Utf8WithBom };

// "windows-1252", "utf-8" or "utf-8 bom"; and back (nothing for another text).
const char* encodingName(TextEncoding encoding);
bool encodingFromName(std::string_view name, TextEncoding& out);

bool isValidUtf8(std::string_view bytes);
TextEncoding detectEncoding(std::string_view bytes);

// A file's bytes as the program holds them.
struct DecodedText {
    std::string text;
    TextEncoding encoding = TextEncoding::Windows1252;
    // Characters that Windows-1252 cannot hold, each now a "?" (and, in a
    // file with the byte-order mark, bytes that are not UTF-8).
    int replaced = 0;
};

// Detects the encoding and converts UTF-8 without its byte-order mark;
// Windows-1252 text stays exactly as it is.
DecodedText decodeText(std::string_view bytes);

// The conversions themselves. The five bytes Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) pass as the control characters of the same
// number, so that every byte the program holds comes back unchanged.
std::string utf8ToWindows1252(std::string_view utf8, int* replaced = nullptr);
// Text in a charset iconv knows by this name, as Windows-1252: bytes that
// are not text in the charset, and characters the code page lacks, become
// "?". Nothing when iconv does not know the charset.
std::optional<std::string> charsetToWindows1252(std::string_view text, const char* charset);
std::string windows1252ToUtf8(std::string_view text);

// The program's text in the given encoding; the byte-order mark in front for
// Utf8WithBom.
std::string encodeText(std::string_view text, TextEncoding encoding);

}  // namespace hv
