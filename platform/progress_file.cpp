#include "platform/progress_file.h"

#include <fcntl.h>
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
  struct stat st;
  if (stat(ProgressPath.c_str(), &st) != 0) {
    if (errno != ENOENT) {
      ReportProgressFile(std::string("cannot read it (") + std::strerror(errno) +
                         "); starting afresh");
    }
    return false;
  }
  if (!S_ISREG(st.st_mode)) {
    ReportProgressFile("not a regular file; starting afresh");
    return false;
  }
  if (static_cast<unsigned long long>(st.st_size) > kProgressLimit) {
    ReportProgressFile("too large for a progress file; starting afresh");
    return false;
  }
  std::vector<char> bytes;
  if (!ReadRegularFile(ProgressPath, kProgressLimit, &bytes)) {
    ReportProgressFile(std::string("cannot read it (") + std::strerror(errno) +
                       "); starting afresh");
    return false;
  }
  text->assign(bytes.begin(), bytes.end());
  return true;
}

bool WriteProgressFile(const std::string& text) {
  if (ProgressPath.empty() || SavingStopped) return false;
  std::error_code made;
  std::filesystem::create_directories(Folder(), made);
  if (made) return StopSaving(made.message());
  // The leftover of a write cut short keeps the temporary name, which reading never looks at.
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

void RemoveProgressFile() {
  if (ProgressPath.empty() || SavingStopped) return;
  if (unlink(ProgressPath.c_str()) != 0) {
    if (errno != ENOENT)
      ReportProgressFile(std::string("cannot remove it (") + std::strerror(errno) + ")");
    return;
  }
  SyncFolder();
}

void ReportProgressFile(const std::string& why) {
  std::fprintf(stderr, "kobako: %s: %s\n", ProgressPath.c_str(), why.c_str());
}
