// Reading the game's files whole, safely: only regular files, only up to a size limit, and never
// a wait on a pipe or a device in a file's place.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

// The whole content of path, when it is a regular file of at most limit bytes that reads without
// error; otherwise false with out empty.
bool ReadRegularFile(const std::string& path, size_t limit, std::vector<char>* out);
// True when path names a regular file (links followed) of at most limit bytes.
bool IsRegularFileWithin(const std::string& path, size_t limit);

// Twenty times the game's own tune: the synthesiser keeps every event of it in memory.
constexpr size_t kTuneLimit = 256 * 1024;
