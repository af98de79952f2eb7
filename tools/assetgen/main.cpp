// kobako-assetgen OUTDIR: draws every picture of the game into OUTDIR/img and the desktop
// icons into OUTDIR/icons. The same program always draws the same pixels.
#include <sys/stat.h>

#include <cstdio>
#include <string>

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
  const std::string icons = out + "/icons/";
  mkdir(out.c_str(), 0755);
  mkdir(img.c_str(), 0755);
  mkdir(icons.c_str(), 0755);

  Save(img + "trap.bmp", DrawTrapSheet());
  Save(img + "hero.bmp", DrawHeroSheet());
  Save(img + "vill.bmp", DrawVillagerSheet());
  Save(img + "frame.bmp", DrawFrameSheet());
  Save(img + "Back.bmp", DrawWipeShade());
  for (int area = 0; area < kAreas; ++area)
    Save(img + "back" + std::to_string(area) + ".bmp", DrawAreaBack(area));
  Save(img + "clear.bmp", DrawClearPicture());
  Save(img + "kelball.bmp", DrawKelball());
  Save(img + "OP_back.bmp", DrawOpeningBack());
  Save(img + "OP_pic.bmp", DrawOpeningPages());
  Save(img + "select.BMP", DrawSelectSheet());
  Save(img + "end.bmp", DrawEnding());
  for (int size : {64, 128, 256}) {
    const std::string path = icons + "kobako-" + std::to_string(size) + ".png";
    if (!WritePng(path, DrawIcon(size))) {
      std::fprintf(stderr, "kobako-assetgen: cannot write %s\n", path.c_str());
      failed = true;
    }
  }
  return failed ? 1 : 0;
}
