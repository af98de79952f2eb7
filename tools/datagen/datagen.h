// Turns a readable UTF-8 source of a stage or message file into the bytes the game reads:
// Shift-JIS (code page 932) with CR LF line ends.
#pragma once
#include <string>

struct DataGenResult {
  bool ok = false;
  std::string bytes;  // the converted file when ok
  std::string error;  // what is wrong, with its line number, when not ok
};

// Converts and checks the text: every character must exist in code page 932, no byte of a
// two-byte character may be "@" (the parser would start a record there), and every message
// line ("@M" records, comma-separated pieces) must fit the message window.
DataGenResult ConvertDataText(const std::string& utf8);

// Display width of a message piece in half-width units (two-byte characters count 2).
int MessageLineWidth(const std::string& cp932);
