// The debug output: what the game says about itself, for developers (KOBAKO_DEBUG=1 shows it).
#pragma once
#include <string>

// Text as it stands, line feeds included.
void DebugOut(const std::string& text);
// One line of at most 127 bytes, its line feed included: a longer text is cut before the UTF-8
// character that would not fit whole.
void DebugLine(const std::string& text);
