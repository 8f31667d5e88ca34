#include "console/terminal/glyphs.h"

namespace hv {

namespace {

// 0x80-0x9F of Windows-1252; 0 marks the undefined positions.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// The box characters of code page 437 that the frame styles use.
char32_t frameGlyph(unsigned char code) {
    switch (code) {
        case 201:
            return U'╔';
        case 187:
            return U'╗';
        case 200:
            return U'╚';
        case 188:
            return U'╝';
        case 186:
            return U'║';
        case 205:
            return U'═';
        case 218:
            return U'┌';
        case 191:
            return U'┐';
        case 192:
            return U'└';
        case 217:
            return U'┘';
        case 179:
            return U'│';
        case 196:
            return U'─';
        case 219:
            return U'█';
        case 213:
            return U'╒';
        case 184:
            return U'╕';
        case 212:
            return U'╘';
        case 190:
            return U'╛';
        case 214:
            return U'╓';
        case 183:
            return U'╖';
        case 211:
            return U'╙';
        case 189:
            return U'╜';
        default:
            return 0;
    }
}

}  // namespace

char32_t windows1252ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        char32_t u = kHighControls[byte - 0x80];
        return u ? u : U'\uFFFD';
    }
    return byte;
}

char32_t cellGlyph(const Cell& cell) {
    if (cell.frame) {
        if (char32_t g = frameGlyph(cell.ch)) return g;
    }
    unsigned char b = cell.ch;
    if (b < 0x20 || b == 0x7F) return U' ';
    char32_t u = windows1252ToUnicode(b);
    return u == U'\uFFFD' ? U'?' : u;
}

int unicodeToWindows1252(char32_t character) {
    if (character < 0x20 || character == 0x7F) return -1;
    if (character < 0x80) return static_cast<int>(character);
    if (character >= 0xA0 && character <= 0xFF) return static_cast<int>(character);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] != 0 && kHighControls[i] == character) return 0x80 + i;
    return -1;
}

InputEvent typedHighCharacter(char32_t character) {
    int byte = unicodeToWindows1252(character);
    if (byte < 0) return InputEvent{0, -1, false, true};
    return InputEvent{0, byte, false};
}

}  // namespace hv
