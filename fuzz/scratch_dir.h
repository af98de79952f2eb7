// A scratch folder for the targets that let the game open files: made once per process under
// /tmp and removed at exit. The game runs inside it, but only while an input is being tried:
// libFuzzer reads and writes its corpus and artifacts through paths that may be relative to the
// folder it was started in.
#pragma once
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace fuzzdir {

inline std::string& ScratchPath() {
  static std::string path;
  return path;
}

inline void RemoveScratch() {
  std::error_code ignored;
  if (!ScratchPath().empty()) std::filesystem::remove_all(ScratchPath(), ignored);
}

// Makes the folder (with a data/ and an img/ inside) on the first call.
inline const std::string& Scratch() {
  std::string& path = ScratchPath();
  if (path.empty()) {
    char pattern[] = "/tmp/kobako_fuzz_XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
      std::perror("mkdtemp");
      std::abort();
    }
    path = pattern;
    std::filesystem::create_directories(path + "/data");
    std::filesystem::create_directories(path + "/img");
    std::atexit(RemoveScratch);
  }
  return path;
}

inline void WriteFile(const std::string& name, const void* bytes, size_t size) {
  std::FILE* f = std::fopen(name.c_str(), "wb");
  if (f == nullptr || std::fwrite(bytes, 1, size, f) != size || std::fclose(f) != 0) {
    std::perror(name.c_str());
    std::abort();
  }
}

// While alive, the scratch folder is the current directory.
class InScratch {
 public:
  InScratch() : home_(open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    if (home_ < 0 || chdir(Scratch().c_str()) != 0) {
      std::perror("scratch folder");
      std::abort();
    }
  }
  ~InScratch() {
    if (fchdir(home_) != 0) std::abort();
    close(home_);
  }
  InScratch(const InScratch&) = delete;
  InScratch& operator=(const InScratch&) = delete;

 private:
  int home_;
};

}  // namespace fuzzdir
