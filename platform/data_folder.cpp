#include "platform/data_folder.h"

#include <filesystem>
#include <system_error>

std::string FindDataFolder(const std::string& executable, const char* dataOverride) {
  namespace fs = std::filesystem;
  // Asked for by name: used as it stands, so a wrong name is reported rather than ignored.
  if (dataOverride != nullptr && dataOverride[0] != '\0') return dataOverride;
  if (executable.empty()) return std::string();
  std::error_code error;
  const fs::path folder = fs::path(executable).parent_path();
  for (const fs::path& candidate : {folder / "game", folder / ".." / "share" / "kobako"}) {
    if (fs::is_directory(candidate, error)) return candidate.lexically_normal().string();
  }
  return std::string();
}
