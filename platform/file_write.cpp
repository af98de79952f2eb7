#include "platform/file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <system_error>

bool WriteWhole(int fd, const void* data, size_t size) {
  const char* bytes = static_cast<const char*>(data);
  size_t done = 0;
  while (done < size) {
    const ssize_t n = write(fd, bytes + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

int OpenBeside(const std::string& path, std::string* temp) {
  // A name of its own for every write: two runs writing at once never write into one file.
  *temp = path + ".XXXXXX";
  return mkostemp(temp->data(), O_CLOEXEC);
}

bool IsTemporaryOf(const std::string& name, const std::string& temp) {
  constexpr size_t kSuffix = 7;  // "." and mkostemp's six letters and digits
  if (temp.size() != name.size() + kSuffix || temp.compare(0, name.size(), name) != 0 ||
      temp[name.size()] != '.') {
    return false;
  }
  for (size_t i = name.size() + 1; i < temp.size(); ++i) {
    const char c = temp[i];
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) return false;
  }
  return true;
}

void RemoveOldFiles(const std::string& folder,
                    const std::function<bool(const std::string&)>& doomed, int seconds) {
  std::error_code error;
  const time_t before = std::time(nullptr) - seconds;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::string path = entry.path().string();
    struct stat st;
    if (!doomed(entry.path().filename().string()) || lstat(path.c_str(), &st) != 0 ||
        !S_ISREG(st.st_mode) || (seconds > 0 && st.st_mtime >= before)) {
      continue;
    }
    unlink(path.c_str());
  }
}

std::string PlayerFolder(const char* variable, const char* homeFallback) {
  const char* folder = std::getenv(variable);
  if (folder != nullptr && folder[0] == '/') return std::string(folder) + "/kobako";
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') return std::string(home) + "/" + homeFallback + "/kobako";
  return "";
}
