#include "platform/tune_cache.h"

#include <fluidsynth.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/file_read.h"
#include "platform/file_write.h"

namespace {

constexpr char kMagic[] = "kobako tune 1\n";
constexpr size_t kMagicSize = sizeof kMagic - 1;
constexpr size_t kHeaderSize = kMagicSize + sizeof(int64_t);

// FNV-1a, 64 bits: enough to tell tunes, fonts and versions apart.
void Hash(uint64_t* h, const void* data, size_t size) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  for (size_t i = 0; i < size; ++i) *h = (*h ^ bytes[i]) * 0x100000001b3ull;
}

void Hash(uint64_t* h, const std::string& text) {
  Hash(h, text.data(), text.size() + 1);
}

}  // namespace

std::string TuneCachePath(const std::vector<char>& midi, const std::string& soundFont, int rate) {
  const std::string folder = PlayerFolder("XDG_CACHE_HOME", ".cache");
  struct stat font;
  if (folder.empty() || stat(soundFont.c_str(), &font) != 0) return "";
  uint64_t h = 0xcbf29ce484222325ull;
  Hash(&h, kMagic);
  Hash(&h, midi.data(), midi.size());
  Hash(&h, soundFont);
  const int64_t fontFacts[] = {static_cast<int64_t>(font.st_size), font.st_mtim.tv_sec,
                               font.st_mtim.tv_nsec, rate};
  Hash(&h, fontFacts, sizeof fontFacts);
  Hash(&h, fluid_version_str());
  char name[40];
  std::snprintf(name, sizeof name, "/tune-%016llx.pcm", static_cast<unsigned long long>(h));
  return folder + name;
}

bool ReadTuneCache(const std::string& path, int64_t maxFrames, int blockFrames,
                   std::vector<std::unique_ptr<int16_t[]>>* blocks, int64_t* frames,
                   int64_t* length) {
  std::vector<char> bytes;
  const size_t limit = kHeaderSize + static_cast<size_t>(maxFrames) * 4;
  if (path.empty() || !ReadRegularFile(path, limit, &bytes) || bytes.size() < kHeaderSize ||
      std::memcmp(bytes.data(), kMagic, kMagicSize) != 0 || (bytes.size() - kHeaderSize) % 4) {
    return false;
  }
  std::memcpy(length, bytes.data() + kMagicSize, sizeof *length);
  const int64_t count = static_cast<int64_t>((bytes.size() - kHeaderSize) / 4);
  if (*length <= 0 || *length > count) return false;
  // Straight from the file's bytes into the blocks the tune plays from.
  for (int64_t at = 0; at < count; at += blockFrames) {
    std::unique_ptr<int16_t[]>& block = (*blocks)[static_cast<size_t>(at / blockFrames)];
    block.reset(new int16_t[2 * static_cast<size_t>(blockFrames)]());
    std::memcpy(block.get(), bytes.data() + kHeaderSize + at * 4,
                static_cast<size_t>(std::min<int64_t>(blockFrames, count - at)) * 4);
  }
  *frames = count;
  return true;
}

bool WriteTuneCache(const std::string& path, const std::vector<std::unique_ptr<int16_t[]>>& blocks,
                    int blockFrames, int64_t frames, int64_t length) {
  std::error_code made;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), made);
  std::string temp;
  const int fd = made ? -1 : OpenBeside(path, &temp);
  if (fd < 0) return false;
  bool ok = WriteWhole(fd, kMagic, kMagicSize) && WriteWhole(fd, &length, sizeof length);
  for (int64_t at = 0; ok && at < frames; at += blockFrames) {
    const int64_t count = std::min<int64_t>(blockFrames, frames - at);
    ok = WriteWhole(fd, blocks[static_cast<size_t>(at / blockFrames)].get(),
                    static_cast<size_t>(count) * 4);
  }
  ok = close(fd) == 0 && ok && std::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) unlink(temp.c_str());
  return ok;
}
