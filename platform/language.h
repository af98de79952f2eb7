// The language kobako speaks. Japanese is the game's own: its texts are written in it and it needs
// nothing more. Every other language is a gettext catalogue (po/LANG.po, built into
// LANG/LC_MESSAGES/kobako.mo in the locale folder) and, in the data folder, a folder LANG/ whose
// files (the message file, the pictures with words) are found before the shared ones.
#pragma once
#include <functional>
#include <string>

constexpr char GAME_LANGUAGE[] = "ja";

// What the player's environment asks for, each null when unset.
struct LanguageWishes {
  const char* kobakoLanguage = nullptr;  // KOBAKO_LANGUAGE: one language, before all the rest
  const char* language = nullptr;        // LANGUAGE: languages by preference, ':' between them
  const char* lcAll = nullptr;
  const char* lcMessages = nullptr;
  const char* lang = nullptr;
};
LanguageWishes WishesFromEnvironment();

// The language to play in: the first wish kobako can speak, in gettext's order (KOBAKO_LANGUAGE,
// then LANGUAGE's entries, then the first set of LC_ALL, LC_MESSAGES and LANG). A locale name
// "en_GB.UTF-8@euro" asks for en_GB, then en; "C" and "POSIX" ask for the game's own language.
// `spoken` says whether a language other than Japanese has its catalogue. Japanese when nothing
// usable is asked for.
std::string ChooseLanguage(const LanguageWishes& wishes,
                           const std::function<bool(const std::string&)>& spoken);

// Whether the locale folder holds the catalogue of that language.
bool HasCatalogue(const std::string& localeFolder, const std::string& language);
// The locale folder beside the data folder the game is in: "locale" in it (the build tree), else
// "../share/locale" from the program's folder (an installed copy, the Debian package).
std::string FindLocaleFolder();

// Plays in that language from now on: its texts from the catalogue in localeFolder, and its
// language folder searched first for data files. Japanese undoes it. False, with the reason on
// the debug output, when the catalogue cannot be used; the game then stays in Japanese.
bool UseLanguage(const std::string& language, const std::string& localeFolder);
// Chooses the language from the environment and uses it (the game's start-up).
void StartLanguage();
const std::string& CurrentLanguage();

// The text in the language in use: its translation, or the Japanese text itself. UTF-8.
const char* Translated(const char* japanese);
// Marks a text for the catalogue where it is only stored; Translated turns it when drawn.
constexpr const char* Untranslated(const char* japanese) {
  return japanese;
}
