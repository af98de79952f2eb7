#include "platform/progress_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/file_read.h"
#include "platform/file_write.h"

namespace {

std::string ProgressPath;
bool SavingStopped = false;

std::string Folder() {
  return std::filesystem::path(ProgressPath).parent_path().string();
}

std::string FileName() {
  return std::filesystem::path(ProgressPath).filename().string();
}

// A rename or an unlink lasts through a power cut only once the folder itself is on the disk.
void SyncFolder() {
  const int fd = open(Folder().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

bool StopSaving(const std::string& why) {
  std::fprintf(stderr, "kobako: cannot save the progress in %s (%s); playing on without saving\n",
               Folder().c_str(), why.c_str());
  SavingStopped = true;
  return false;
}

// The folder held locked for as long as it lives: another copy of the game that saves meanwhile
// waits for it. The folder rather than the file, which every save replaces.
class FolderLock {
 public:
  FolderLock() : fd_(open(Folder().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    if (fd_ < 0) return;
    while (flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
    }
  }
  ~FolderLock() {
    if (fd_ >= 0) close(fd_);  // lets the lock go
  }
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_;
};

// The file as it is now. Missing: Found false. Found but not read (not a regular file, too large,
// an error): Read false, with why.
struct OnDisk {
  bool found = false;
  bool read = false;
  std::string text;
  std::string why;
  const char* aside = "unreadable";  // the word it is moved aside under
};

OnDisk ReadOnDisk() {
  OnDisk disk;
  struct stat st;
  if (stat(ProgressPath.c_str(), &st) != 0) {
    disk.found = errno != ENOENT;
    disk.why = std::string("cannot read it (") + std::strerror(errno) + ")";
    return disk;
  }
  disk.found = true;
  if (!S_ISREG(st.st_mode)) {
    disk.why = "not a regular file";
    return disk;
  }
  if (static_cast<unsigned long long>(st.st_size) > kProgressLimit) {
    disk.why = "too large for a progress file";
    disk.aside = "damaged";
    return disk;
  }
  std::vector<char> bytes;
  if (!ReadRegularFile(ProgressPath, kProgressLimit, &bytes)) {
    disk.why = std::string("cannot read it (") + std::strerror(errno) + ")";
    return disk;
  }
  disk.read = true;
  disk.text.assign(bytes.begin(), bytes.end());
  return disk;
}

// Moves the file to FILE.WORD, or FILE.WORD.N when that is taken, and says so.
bool MoveAside(const ProgressAside& aside) {
  std::string to = ProgressPath + "." + aside.word;
  struct stat st;
  for (int n = 1; lstat(to.c_str(), &st) == 0; ++n) {
    to = ProgressPath + "." + aside.word + "." + std::to_string(n);
  }
  if (rename(ProgressPath.c_str(), to.c_str()) != 0) {
    ReportProgressFile(aside.why + "; cannot move it aside (" + std::strerror(errno) +
                       "), so it stays and the progress is not saved");
    return false;
  }
  ReportProgressFile(aside.why + "; moved aside to " + to);
  return true;
}

bool WriteText(const std::string& text) {
  std::string temp;
  const int fd = OpenBeside(ProgressPath, &temp);
  if (fd < 0) return StopSaving(std::strerror(errno));
  bool ok = WriteWhole(fd, text.data(), text.size()) && fsync(fd) == 0;
  int error = errno;
  if (close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && rename(temp.c_str(), ProgressPath.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    unlink(temp.c_str());
    ReportProgressFile(std::string("cannot write it (") + std::strerror(error) +
                       "); the progress before stays");
    return false;
  }
  SyncFolder();
  return true;
}

}  // namespace

std::string PlayerProgressFile() {
  const std::string folder = PlayerFolder("XDG_DATA_HOME", ".local/share");
  return folder.empty() ? folder : folder + "/progress";
}

void SetProgressFile(const std::string& path) {
  ProgressPath = path;
  SavingStopped = false;
}

bool ReadProgressFile(std::string* text) {
  text->clear();
  if (ProgressPath.empty()) return false;
  const std::string name = FileName();
  RemoveOldFiles(
      Folder(), [&name](const std::string& file) { return IsTemporaryOf(name, file); }, 60);
  OnDisk disk = ReadOnDisk();
  if (!disk.read) {
    if (disk.found) ReportProgressFile(disk.why + "; starting afresh");
    return false;
  }
  *text = std::move(disk.text);
  return true;
}

bool SaveProgressFile(
    const std::function<std::string(const std::string* kept, ProgressAside* aside)>& next) {
  if (ProgressPath.empty() || SavingStopped) return false;
  std::error_code made;
  std::filesystem::create_directories(Folder(), made);
  if (made) return StopSaving(made.message());
  const FolderLock lock;
  if (!lock.Held()) return StopSaving(std::strerror(errno));
  const OnDisk disk = ReadOnDisk();
  ProgressAside aside;
  const std::string text = next(disk.read ? &disk.text : nullptr, &aside);
  if (disk.found && !disk.read) aside = {disk.aside, disk.why};
  if (!aside.word.empty() && !MoveAside(aside)) return false;
  return WriteText(text);
}

void RemoveProgressFile(const std::function<bool(const std::string& kept)>& mayRemove) {
  if (ProgressPath.empty() || SavingStopped) return;
  const FolderLock lock;
  const OnDisk disk = ReadOnDisk();
  if (!disk.read || !mayRemove(disk.text)) return;
  if (unlink(ProgressPath.c_str()) != 0) {
    ReportProgressFile(std::string("cannot remove it (") + std::strerror(errno) + ")");
    return;
  }
  SyncFolder();
}

void ReportProgressFile(const std::string& why) {
  std::fprintf(stderr, "kobako: %s: %s\n", ProgressPath.c_str(), why.c_str());
}
