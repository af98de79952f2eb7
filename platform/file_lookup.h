// Data file names mix letter case and both kinds of separator ("IMG\OP_pic.bmp",
// "img/select.BMP"); on a case-sensitive file system each part is looked up by hand.
#pragma once
#include <string>

// Finds the file whatever the case of its letters, with '\' or '/' as separators.
// Returns the path as it exists on disk, or an empty string.
std::string FindFileNoCase(const char* name);
// True for a name that stays inside the folder it is looked up from: not empty, not absolute,
// and no ".." among its parts ('/' and '\\' both separate them).
bool IsDataRelativeName(const char* name);
