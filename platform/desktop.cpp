#include "platform/desktop.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "platform/backend_sdl.h"

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
  if (error || exe.empty()) return true;
  fs::path data = exe.parent_path() / "game";
  if (!fs::is_directory(data, error)) return true;
  return chdir(data.c_str()) == 0;
}
