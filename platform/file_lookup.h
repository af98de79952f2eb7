// Data file names mix letter case and both kinds of separator ("IMG\OP_pic.bmp",
// "img/select.BMP"); on a case-sensitive file system each part is looked up by hand.
#pragma once
#include <string>

// Finds the file whatever the case of its letters, with '\' or '/' as separators.
// Returns the path as it exists on disk, or an empty string. A relative name is looked for in the
// language folder first, when one is set.
std::string FindFileNoCase(const char* name);
// The folder of the language in use ("en"), whose files stand in for the shared ones of the same
// name; empty for none (Japanese, the game's own language).
void SetLanguageFolder(const std::string& folder);
// True for a name that stays inside the folder it is looked up from: not empty, not absolute,
// and no ".." among its parts ('/' and '\\' both separate them).
bool IsDataRelativeName(const char* name);
