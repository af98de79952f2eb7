// kobako-assetgen OUTDIR: draws every picture of the game into OUTDIR/img and the desktop
// icons into OUTDIR/icons. kobako-assetgen --language LANG LOCALEDIR OUTDIR: draws only the
// pictures with words, their words taken from LANG's catalogue in LOCALEDIR, into OUTDIR/img
// (the language's folder of the data folder). The same program always draws the same pixels.
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "gfx/picture_names.h"
#include "platform/language.h"
#include "tools/assetgen/bmp_writer.h"
#include "tools/assetgen/pictures.h"

using namespace assetgen;

namespace {

bool failed = false;

void Save(const std::string& path, const Canvas& canvas) {
  if (!WriteBmp(path, canvas)) {
    std::fprintf(stderr, "kobako-assetgen: cannot write %s\n", path.c_str());
    failed = true;
  }
}

// The pictures with words alone, in the language in use.
void SaveWords(const std::string& dir) {
  for (const char* name : PICTURES_WITH_WORDS) {
    const std::string picture = name;
    if (picture == PICTURE_LOGO) Save(dir + name, DrawKelball());
    if (picture == PICTURE_OPENING_PAGES) Save(dir + name, DrawOpeningPages());
    if (picture == PICTURE_SELECT) Save(dir + name, DrawSelectSheet());
    if (picture == PICTURE_CLEAR) Save(dir + name, DrawClearPicture());
    if (picture == PICTURE_ENDING) Save(dir + name, DrawEnding());
  }
}

}  // namespace

int main(int argc, char** argv) {
  const bool language = argc == 5 && std::strcmp(argv[1], "--language") == 0;
  if (argc != 2 && !language) {
    std::fprintf(stderr, "usage: kobako-assetgen [--language LANG LOCALEDIR] OUTDIR\n");
    return 2;
  }
  const std::string out = argv[argc - 1];
  if (language) {
    if (!UseLanguage(argv[2], argv[3])) {
      std::fprintf(stderr, "kobako-assetgen: no %s catalogue in %s\n", argv[2], argv[3]);
      return 1;
    }
    mkdir(out.c_str(), 0755);
    mkdir((out + "/img").c_str(), 0755);
    SaveWords(out + "/");
    return failed ? 1 : 0;
  }
  const std::string img = out + "/img/";
  const std::string dir = out + "/";
  const std::string icons = out + "/icons/";
  mkdir(out.c_str(), 0755);
  mkdir(img.c_str(), 0755);
  mkdir(icons.c_str(), 0755);

  Save(dir + PICTURE_TRAP, DrawTrapSheet());
  Save(dir + PICTURE_HERO, DrawHeroSheet());
  Save(dir + PICTURE_VILLAGERS, DrawVillagerSheet());
  Save(dir + PICTURE_FRAME, DrawFrameSheet());
  Save(dir + PICTURE_WIPE, DrawWipeShade());
  for (int area = 0; area < kAreas; ++area) {
    char name[32];
    std::snprintf(name, sizeof name, PICTURE_AREA_BACK, area);
    Save(dir + name, DrawAreaBack(area));
  }
  Save(dir + PICTURE_CLEAR, DrawClearPicture());
  Save(dir + PICTURE_LOGO, DrawKelball());
  Save(dir + PICTURE_OPENING_BACK, DrawOpeningBack());
  Save(dir + PICTURE_OPENING_PAGES, DrawOpeningPages());
  Save(dir + PICTURE_SELECT, DrawSelectSheet());
  Save(dir + PICTURE_ENDING, DrawEnding());
  for (int size : {64, 128, 256}) {
    const std::string path = icons + "kobako-" + std::to_string(size) + ".png";
    if (!WritePng(path, DrawIcon(size))) {
      std::fprintf(stderr, "kobako-assetgen: cannot write %s\n", path.c_str());
      failed = true;
    }
  }
  return failed ? 1 : 0;
}
