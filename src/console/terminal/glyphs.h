// What a screen cell looks like on a Unicode terminal, and which byte a typed
// Unicode character becomes. Text is held as single bytes in the Windows-1252
// character set; frames keep the code page 437 codes of their box characters.
#pragma once

#include "console/terminal/screen.h"

namespace hv {

// The character a cell shows: frame cells as box-drawing glyphs, text bytes
// 0x20-0x7E as they are, 0x80 and above as Windows-1252 (undefined positions
// as '?'), control bytes as spaces.
char32_t cellGlyph(const Cell& cell);

// The Unicode character of a Windows-1252 byte (0x00-0xFF); U+FFFD for the
// five undefined positions.
char32_t windows1252ToUnicode(unsigned char byte);

// The Windows-1252 byte of a typed character, or -1 when the character set
// has no such character (or it is a control character).
int unicodeToWindows1252(char32_t character);

// What a typed character from 0x80 up arrives as: its Windows-1252 byte, or
// an event marked not typable.
InputEvent typedHighCharacter(char32_t character);

}  // namespace hv
