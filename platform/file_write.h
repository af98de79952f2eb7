// Writing files whole: a file is replaced through a temporary file beside it and a rename, so a
// reader finds the old file or the new one, never half of one.
#pragma once
#include <cstddef>
#include <string>

// Writes all `size` bytes to the open file `fd`, however the system splits them.
bool WriteWhole(int fd, const void* data, size_t size);

// A temporary file beside `path` (its name is `path` and six more characters, which readers of
// `path` never look at), opened for writing; -1 with errno set when it cannot be made.
int OpenBeside(const std::string& path, std::string* temp);
