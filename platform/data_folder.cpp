#include "platform/data_folder.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace {

std::vector<std::filesystem::path> Candidates(const std::string& executable) {
  if (executable.empty()) return {};
  const std::filesystem::path folder = std::filesystem::path(executable).parent_path();
  // The build tree, an installed copy, and Debian's games layout (/usr/games beside
  // /usr/share/games).
  return {(folder / "game").lexically_normal(),
          (folder / ".." / "share" / "kobako").lexically_normal(),
          (folder / ".." / "share" / "games" / "kobako").lexically_normal()};
}

}  // namespace

std::string FindDataFolder(const std::string& executable, const char* dataOverride) {
  namespace fs = std::filesystem;
  // Asked for by name: used as it stands, so a wrong name is reported rather than ignored.
  if (dataOverride != nullptr && dataOverride[0] != '\0') return dataOverride;
  if (executable.empty()) return std::string();
  std::error_code error;
  for (const fs::path& candidate : Candidates(executable)) {
    if (fs::is_directory(candidate, error)) return candidate.string();
  }
  return std::string();
}

std::string DataFolderPlaces(const std::string& executable) {
  std::string places;
  for (const std::filesystem::path& candidate : Candidates(executable)) {
    places += (places.empty() ? "" : ", ") + candidate.string();
  }
  return places.empty() ? "no folder beside the program" : places;
}
