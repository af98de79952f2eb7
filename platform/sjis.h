// Shift-JIS (code page 932) as the game's texts are stored: one byte for ASCII and half-width
// katakana, two bytes for everything else.
#pragma once
#include <cstdint>

// Bytes taken by the character at text (1 or 2); a lead byte without its second byte counts 1.
int ShiftJisCharLength(const char* text, int remaining);
// The Unicode code point of one character of 1 or 2 bytes; 0 when it has none.
uint32_t CodePointOfShiftJis(const char* text, int length);
