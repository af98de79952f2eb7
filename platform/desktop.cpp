#include "platform/desktop.h"

#include <unistd.h>

#include <cctype>
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

namespace {

// A data folder has at least one of the game's folders, in any case: stages, pictures or the tune.
bool HoldsGameFiles() {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(".", error)) {
    std::string name = entry.path().filename().string();
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if ((name == "data" || name == "img" || name == "sound") && entry.is_directory(error)) {
      return true;
    }
  }
  return false;
}

}  // namespace

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
  } else if (chdir(data.c_str()) != 0) {
    std::fprintf(stderr, "kobako: cannot enter the data folder %s\n", data.c_str());
  } else if (!HoldsGameFiles()) {
    std::fprintf(stderr,
                 "kobako: the data folder %s holds none of the game's files; playing without "
                 "them\n",
                 data.c_str());
  } else {
    return true;
  }
  ForgetDataFolder();
  return false;
}
