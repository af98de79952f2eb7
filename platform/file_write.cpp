#include "platform/file_write.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

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

std::string PlayerFolder(const char* variable, const char* homeFallback) {
  const char* folder = std::getenv(variable);
  if (folder != nullptr && folder[0] == '/') return std::string(folder) + "/kobako";
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') return std::string(home) + "/" + homeFallback + "/kobako";
  return "";
}
