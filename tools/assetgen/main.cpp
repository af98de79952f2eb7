// kobako-assetgen OUTDIR: draws every picture of the game into OUTDIR/img and the desktop
// icons into OUTDIR/icons. The same program always draws the same pixels.
#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "gfx/picture_names.h"
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

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kobako-assetgen OUTDIR\n");
    return 2;
  }
  const std::string out = argv[1];
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
