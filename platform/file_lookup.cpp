// File names in the game's data mix letter case and both kinds of separator ("IMG\OP_pic.bmp",
// "img/select.BMP"); on a case-sensitive file system each component is looked up by hand.
#include "platform/file_lookup.h"

#include <dirent.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "platform/data_folder.h"

namespace {

bool dataFolderGone = false;
std::string languageFolder;

std::vector<std::string> SplitPath(const std::string& name) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : name) {
    if (c == '/' || c == '\\') {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameIgnoringCase(const std::string& a, const char* b) {
  size_t i = 0;
  for (; i < a.size(); ++i) {
    if (b[i] == '\0' || LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return b[i] == '\0';
}

bool Exists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

std::string Join(const std::string& dir, const std::string& name) {
  if (dir.empty()) return name;
  if (dir.back() == '/') return dir + name;
  return dir + "/" + name;
}

// The entry of dir whose name matches part whatever its case; the exact spelling wins.
std::string FindEntry(const std::string& dir, const std::string& part) {
  const std::string exact = Join(dir, part);
  if (Exists(exact)) return exact;
  if (part == "." || part == "..") return std::string();
  DIR* d = opendir(dir.empty() ? "." : dir.c_str());
  if (d == nullptr) return std::string();
  std::string found;
  while (const dirent* entry = readdir(d)) {
    if (SameIgnoringCase(part, entry->d_name)) {
      found = Join(dir, entry->d_name);
      break;
    }
  }
  closedir(d);
  return found;
}

// The name's parts one after the other, each in whatever case it has on disk.
std::string FindExact(const std::string& path) {
  std::string current = (path[0] == '/' || path[0] == '\\') ? "/" : "";
  for (const std::string& part : SplitPath(path)) {
    current = FindEntry(current, part);
    if (current.empty()) return current;
  }
  return current;
}

}  // namespace

void ForgetDataFolder() {
  dataFolderGone = true;
}

void SetLanguageFolder(const std::string& folder) {
  languageFolder = folder;
}

std::string FindFileNoCase(const char* name) {
  if (name == nullptr || name[0] == '\0') return std::string();
  const std::string path(name);
  if (dataFolderGone && path[0] != '/') return std::string();
  if (!languageFolder.empty() && path[0] != '/' && path[0] != '\\') {
    std::string found = FindExact(languageFolder + "/" + path);
    if (!found.empty()) return found;
  }
  return FindExact(path);
}

bool IsDataRelativeName(const char* name) {
  if (name == nullptr || name[0] == '\0' || name[0] == '/' || name[0] == '\\') return false;
  for (const std::string& part : SplitPath(name)) {
    if (part == "..") return false;
  }
  return true;
}
