#include "platform/desktop.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/backend_sdl.h"
#include "platform/data_folder.h"

std::unique_ptr<Backend> CreateDesktopBackend() {
  return std::make_unique<SdlBackend>();
}

bool EnterDataDirectory(const char* argv0) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::path exe = fs::read_symlink("/proc/self/exe", error);
  if (error && argv0 != nullptr) {
    error.clear();
    exe = fs::absolute(argv0, error);
  }
  if (error) exe.clear();
  const std::string data = FindDataFolder(exe.string(), std::getenv("KOBAKO_DATA"));
  if (data.empty()) {
    std::fprintf(stderr, "kobako: no data folder in %s; playing without the game's files\n",
                 DataFolderPlaces(exe.string()).c_str());
  } else if (chdir(data.c_str()) == 0) {
    return true;
  } else {
    std::fprintf(stderr, "kobako: cannot enter the data folder %s\n", data.c_str());
  }
  ForgetDataFolder();
  return false;
}
