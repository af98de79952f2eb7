// Writing files whole: a file is replaced through a temporary file beside it and a rename, so a
// reader finds the old file or the new one, never half of one.
#pragma once
#include <cstddef>
#include <functional>
#include <string>

// Writes all `size` bytes to the open file `fd`, however the system splits them.
bool WriteWhole(int fd, const void* data, size_t size);

// A temporary file beside `path` (its name is `path` and six more characters, which readers of
// `path` never look at), opened for writing; -1 with errno set when it cannot be made.
int OpenBeside(const std::string& path, std::string* temp);
// True for the name OpenBeside gives a temporary file beside `name` (names without a folder).
bool IsTemporaryOf(const std::string& name, const std::string& temp);
// Removes the files in `folder` that `doomed` picks by name and that were last changed more than
// `seconds` ago: what a write cut short left behind, no longer being written.
void RemoveOldFiles(const std::string& folder,
                    const std::function<bool(const std::string&)>& doomed, int seconds);

// kobako's folder under one of the player's XDG folders: $VARIABLE/kobako when VARIABLE holds an
// absolute path, else ~/HOME_FALLBACK/kobako; empty when neither is known.
std::string PlayerFolder(const char* variable, const char* homeFallback);
