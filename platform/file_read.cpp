#include "platform/file_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

bool ReadRegularFile(const std::string& path, size_t limit, std::vector<char>* out) {
  out->clear();
  // Non-blocking, so that opening a FIFO does not wait for a writer; it is refused below.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st;
  bool ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size >= 0 &&
            static_cast<unsigned long long>(st.st_size) <= limit;
  if (ok) {
    // One byte more than its size is asked for: a file that grows meanwhile is refused too.
    const size_t size = static_cast<size_t>(st.st_size);
    out->resize(size + 1);
    size_t got = 0;
    while (got < out->size()) {
      const ssize_t n = read(fd, out->data() + got, out->size() - got);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) ok = false;
      if (n <= 0) break;
      got += static_cast<size_t>(n);
    }
    if (got > size) ok = false;
    out->resize(got);
  }
  close(fd);
  if (!ok) out->clear();
  return ok;
}

bool IsRegularFileWithin(const std::string& path, size_t limit) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size >= 0 &&
         static_cast<unsigned long long>(st.st_size) <= limit;
}
