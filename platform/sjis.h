// Shift-JIS (code page 932) as the game's texts are stored: one byte for ASCII and half-width
// katakana, two bytes for everything else.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Bytes taken by the character at text (1 or 2); a lead byte without its second byte counts 1.
int ShiftJisCharLength(const char* text, int remaining);
// The Unicode code point of one character of 1 or 2 bytes; 0 when it has none.
uint32_t CodePointOfShiftJis(const char* text, int length);

// Shift-JIS <-> UTF-8, for the game's files and tools.
std::string ShiftJisFromUtf8(const std::string& utf8);
std::string Utf8FromShiftJis(const std::string& sjis);
// The code points of Shift-JIS text, one per character, each taking as many half-width cells as
// it had bytes: a character Shift-JIS does not know becomes a blank of its width (a space or an
// ideographic space), so the rest of the line stays where it was.
std::u32string TextFromShiftJis(std::string_view sjis);
