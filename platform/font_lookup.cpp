#include "platform/font_lookup.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

struct FcPatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};

// Every installed font matching pattern, as files sorted by path so the choice is the same on
// every run.
std::vector<FontFile> ListFonts(FcPattern* pattern) {
  std::vector<FontFile> found;
  FcObjectSet* objects = FcObjectSetBuild(FC_FILE, FC_INDEX, FC_SCALABLE, nullptr);
  if (objects == nullptr) return found;
  FcFontSet* set = FcFontList(nullptr, pattern, objects);
  FcObjectSetDestroy(objects);
  if (set == nullptr) return found;
  for (int i = 0; i < set->nfont; ++i) {
    FcChar8* file = nullptr;
    int index = 0;
    FcBool scalable = FcFalse;
    if (FcPatternGetString(set->fonts[i], FC_FILE, 0, &file) != FcResultMatch) continue;
    FcPatternGetInteger(set->fonts[i], FC_INDEX, 0, &index);
    // Bitmap-only fonts cannot be drawn at the cell size asked for.
    if (FcPatternGetBool(set->fonts[i], FC_SCALABLE, 0, &scalable) == FcResultMatch && !scalable) {
      continue;
    }
    found.push_back(FontFile{reinterpret_cast<const char*>(file), index});
  }
  FcFontSetDestroy(set);
  std::sort(found.begin(), found.end(), [](const FontFile& a, const FontFile& b) {
    return a.path != b.path ? a.path < b.path : a.index < b.index;
  });
  return found;
}

std::vector<FontFile> FontsOfFamily(const char* family) {
  std::unique_ptr<FcPattern, FcPatternDeleter> pattern(FcPatternCreate());
  if (!pattern) return {};
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
  return ListFonts(pattern.get());
}

std::vector<FontFile> FontsParsed(const char* text) {
  std::unique_ptr<FcPattern, FcPatternDeleter> pattern(
      FcNameParse(reinterpret_cast<const FcChar8*>(text)));
  if (!pattern) return {};
  return ListFonts(pattern.get());
}

}  // namespace

FontFile FindFontFile(const char* face) {
  if (!FcInit()) return FontFile{};
  const char* fallbacks[] = {face, "Komatuna", "IPAGothic", "IPAゴシック"};
  for (const char* family : fallbacks) {
    if (family == nullptr || family[0] == '\0') continue;
    std::vector<FontFile> fonts = FontsOfFamily(family);
    if (!fonts.empty()) return fonts.front();
  }
  for (const char* pattern : {":lang=ja", ":"}) {
    std::vector<FontFile> fonts = FontsParsed(pattern);
    if (!fonts.empty()) return fonts.front();
  }
  return FontFile{};
}

// fontconfig loses a few bytes while parsing the system's configuration, once per run; keep
// the leak checker of sanitizer builds quiet about it so that our own leaks stand out.
#if defined(__SANITIZE_ADDRESS__)
#define KOBAKO_LEAK_CHECKS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KOBAKO_LEAK_CHECKS 1
#endif
#endif
#ifdef KOBAKO_LEAK_CHECKS
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}
#endif
