#include "platform/tune_cache.h"

#include <fcntl.h>
#include <fluidsynth.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/backend.h"
#include "platform/file_write.h"

namespace {

// The file: this header, then the frames (stereo, 16-bit, as the machine orders them).
constexpr char kMagic[] = "kobako tune 2\n";
constexpr size_t kMagicSize = sizeof kMagic - 1;
struct Header {
  char magic[16] = {};
  int64_t frames = 0;  // frames that follow
  int64_t length = 0;  // the frame the tune loops at
  uint64_t sum = 0;    // of the two above and the frames: a file that does not match is not used
};
constexpr uint64_t kHashStart = 0xcbf29ce484222325ull;

// FNV-1a, 64 bits: enough to tell tunes, fonts and versions apart.
void Hash(uint64_t* h, const void* data, size_t size) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  for (size_t i = 0; i < size; ++i) *h = (*h ^ bytes[i]) * 0x100000001b3ull;
}

// The same, a machine word at a time, for the frames: a few milliseconds for a whole tune.
void HashWords(uint64_t* h, const void* data, size_t size) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  for (; size >= sizeof(uint64_t); bytes += sizeof(uint64_t), size -= sizeof(uint64_t)) {
    uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    *h = (*h ^ word) * 0x100000001b3ull;
  }
  Hash(h, bytes, size);
}

// Where the checksum of a file with this header starts from.
uint64_t HeaderSum(const Header& header) {
  uint64_t h = kHashStart;
  HashWords(&h, &header.frames, sizeof header.frames);
  HashWords(&h, &header.length, sizeof header.length);
  return h;
}

void Hash(uint64_t* h, const std::string& text) {
  Hash(h, text.data(), text.size() + 1);
}

bool ReadWhole(int fd, void* data, size_t size) {
  auto* bytes = static_cast<char*>(data);
  while (size > 0) {
    const ssize_t n = read(fd, bytes, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

std::string TuneCachePath(const std::vector<char>& midi, const std::string& soundFont, int rate) {
  const std::string folder = PlayerFolder("XDG_CACHE_HOME", ".cache");
  struct stat font;
  if (folder.empty() || stat(soundFont.c_str(), &font) != 0) return "";
  uint64_t h = kHashStart;
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
  if (path.empty()) return false;
  // Non-blocking, so that a FIFO in the file's place is refused rather than waited on.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return false;
  Header header;
  struct stat st;
  const bool regular = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  bool ok = regular && ReadWhole(fd, &header, sizeof header) &&
            std::memcmp(header.magic, kMagic, kMagicSize) == 0 && header.frames > 0 &&
            header.frames <= maxFrames && header.length > 0 && header.length <= header.frames &&
            st.st_size == static_cast<off_t>(sizeof header + header.frames * 4);
  // Straight from the file into the blocks the tune plays from, block by block.
  uint64_t sum = HeaderSum(header);
  for (int64_t at = 0; ok && at < header.frames; at += blockFrames) {
    std::unique_ptr<int16_t[]>& block = (*blocks)[static_cast<size_t>(at / blockFrames)];
    block.reset(new int16_t[2 * static_cast<size_t>(blockFrames)]());
    const size_t size = static_cast<size_t>(std::min<int64_t>(blockFrames, header.frames - at)) * 4;
    ok = ReadWhole(fd, block.get(), size);
    HashWords(&sum, block.get(), size);
  }
  close(fd);
  if (ok && sum == header.sum) {
    *frames = header.frames;
    *length = header.length;
    return true;
  }
  for (auto& block : *blocks) block.reset();
  // Not the file that was written: it goes, and the tune is synthesised and kept again.
  if (regular && unlink(path.c_str()) == 0) {
    CurrentBackend().DebugLine(
        ("kobako: the kept tune " + path + " is damaged; removed\n").c_str());
  }
  return false;
}

bool WriteTuneCache(const std::string& path, const std::vector<std::unique_ptr<int16_t[]>>& blocks,
                    int blockFrames, int64_t frames, int64_t length) {
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  std::error_code made;
  std::filesystem::create_directories(folder, made);
  std::string temp;
  const int fd = made ? -1 : OpenBeside(path, &temp);
  std::string why = made ? made.message() : fd < 0 ? std::strerror(errno) : "";
  Header header;
  std::memcpy(header.magic, kMagic, kMagicSize);
  header.frames = frames;
  header.length = length;
  header.sum = HeaderSum(header);
  for (int64_t at = 0; at < frames; at += blockFrames) {
    const int64_t count = std::min<int64_t>(blockFrames, frames - at);
    HashWords(&header.sum, blocks[static_cast<size_t>(at / blockFrames)].get(),
              static_cast<size_t>(count) * 4);
  }
  bool ok = fd >= 0 && WriteWhole(fd, &header, sizeof header);
  for (int64_t at = 0; ok && at < frames; at += blockFrames) {
    const int64_t count = std::min<int64_t>(blockFrames, frames - at);
    ok = WriteWhole(fd, blocks[static_cast<size_t>(at / blockFrames)].get(),
                    static_cast<size_t>(count) * 4);
  }
  if (fd >= 0) {
    if (!ok) why = std::strerror(errno);
    ok = close(fd) == 0 && ok;
    if (ok && std::rename(temp.c_str(), path.c_str()) != 0) {
      ok = false;
      why = std::strerror(errno);
    }
    if (!ok) unlink(temp.c_str());
  }
  if (!ok) {
    CurrentBackend().DebugLine(
        ("kobako: cannot keep the tune in " + path + " (" + why + ")\n").c_str());
    return false;
  }
  // One tune is kept: those of other tunes, fonts or versions go, and so do temporary files
  // that writes cut short left behind.
  const std::string name = std::filesystem::path(path).filename().string();
  RemoveOldFiles(
      folder.string(),
      [&name](const std::string& file) {
        return file != name && file.rfind("tune-", 0) == 0 && file.size() == name.size() &&
               file.compare(file.size() - 4, 4, ".pcm") == 0;
      },
      0);
  RemoveOldFiles(
      folder.string(),
      [](const std::string& file) {
        return file.rfind("tune-", 0) == 0 && file.find(".pcm.") != std::string::npos;
      },
      60);
  return true;
}
