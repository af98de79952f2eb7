#include "platform/language.h"

#include <libintl.h>
#include <locale.h>

#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/debug.h"
#include "platform/file_lookup.h"

namespace {

constexpr char kDomain[] = "kobako";

std::string language = GAME_LANGUAGE;

bool IsSet(const char* value) {
  return value != nullptr && value[0] != '\0';
}

// The languages one locale name asks for, the most precise first: "en_GB.UTF-8@euro" asks for
// en_GB, then en. "C" and "POSIX" (with any codeset) ask for the game's own language.
std::vector<std::string> AskedFor(std::string_view name) {
  name = name.substr(0, name.find_first_of(".@"));
  if (name.empty() || name == "C" || name == "POSIX") return {GAME_LANGUAGE};
  std::vector<std::string> asked = {std::string(name)};
  const size_t territory = name.find('_');
  if (territory != std::string_view::npos && territory > 0) {
    asked.emplace_back(name.substr(0, territory));
  }
  return asked;
}

}  // namespace

LanguageWishes WishesFromEnvironment() {
  LanguageWishes wishes;
  wishes.kobakoLanguage = std::getenv("KOBAKO_LANGUAGE");
  wishes.language = std::getenv("LANGUAGE");
  wishes.lcAll = std::getenv("LC_ALL");
  wishes.lcMessages = std::getenv("LC_MESSAGES");
  wishes.lang = std::getenv("LANG");
  return wishes;
}

std::string ChooseLanguage(const LanguageWishes& wishes,
                           const std::function<bool(const std::string&)>& spoken) {
  std::vector<std::string_view> entries;
  if (IsSet(wishes.kobakoLanguage)) entries.emplace_back(wishes.kobakoLanguage);
  // LANGUAGE counts even in the C locale, where gettext itself would pass it over: Japanese is
  // the game's language, not the locale's.
  if (IsSet(wishes.language)) {
    std::string_view list = wishes.language;
    while (!list.empty()) {
      const size_t colon = list.find(':');
      entries.push_back(list.substr(0, colon));
      list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
    }
  }
  // Only the first locale variable set counts, as for every locale category.
  for (const char* locale : {wishes.lcAll, wishes.lcMessages, wishes.lang}) {
    if (IsSet(locale)) {
      entries.emplace_back(locale);
      break;
    }
  }
  for (std::string_view entry : entries) {
    if (entry.empty()) continue;
    for (const std::string& asked : AskedFor(entry)) {
      if (asked == GAME_LANGUAGE || spoken(asked)) return asked;
    }
  }
  return GAME_LANGUAGE;
}

bool HasCatalogue(const std::string& localeFolder, const std::string& name) {
  if (localeFolder.empty() || name.empty() || name.find('/') != std::string::npos) return false;
  std::error_code error;
  return std::filesystem::is_regular_file(
      std::filesystem::path(localeFolder) / name / "LC_MESSAGES" / (std::string(kDomain) + ".mo"),
      error);
}

std::string FindLocaleFolder() {
  namespace fs = std::filesystem;
  std::error_code error;
  // gettext wants an absolute folder; the game has entered its data folder by now.
  const fs::path inData = fs::absolute("locale", error);
  if (!error && fs::is_directory(inData, error)) return inData.string();
  error.clear();
  const fs::path exe = fs::read_symlink("/proc/self/exe", error);
  if (error) return std::string();
  return (exe.parent_path() / ".." / "share" / "locale").lexically_normal().string();
}

bool UseLanguage(const std::string& name, const std::string& localeFolder) {
  if (name == GAME_LANGUAGE || name.empty()) {
    language = GAME_LANGUAGE;
    SetLanguageFolder(std::string());
    return true;
  }
  if (!HasCatalogue(localeFolder, name)) {
    DebugLine("no catalogue for " + name + " in " + localeFolder);
    return false;
  }
  // glibc's gettext translates nothing in the C locale, and the player's own locale may not be
  // generated on this machine: C.UTF-8 always is, and LANGUAGE then picks the catalogue.
  if (setlocale(LC_MESSAGES, "C.UTF-8") == nullptr && setlocale(LC_MESSAGES, "C.utf8") == nullptr) {
    DebugLine("no C.UTF-8 locale to translate in");
    return false;
  }
  setenv("LANGUAGE", name.c_str(), 1);
  if (bindtextdomain(kDomain, localeFolder.c_str()) == nullptr ||
      bind_textdomain_codeset(kDomain, "UTF-8") == nullptr) {
    DebugLine("gettext refuses the locale folder " + localeFolder);
    return false;
  }
  // Setting the domain again makes gettext forget the translations of the language before.
  textdomain(kDomain);
  language = name;
  SetLanguageFolder(name);
  return true;
}

void StartLanguage() {
  const std::string localeFolder = FindLocaleFolder();
  const std::string chosen = ChooseLanguage(
      WishesFromEnvironment(),
      [&localeFolder](const std::string& name) { return HasCatalogue(localeFolder, name); });
  if (chosen != GAME_LANGUAGE && UseLanguage(chosen, localeFolder)) {
    DebugLine("language: " + chosen + ", its texts from " + localeFolder);
  }
}

const std::string& CurrentLanguage() {
  return language;
}

const char* Translated(const char* japanese) {
  if (language == GAME_LANGUAGE || japanese == nullptr || japanese[0] == '\0') return japanese;
  return dgettext(kDomain, japanese);
}
