#include "app/shell.h"
#include "platform/debug.h"
#include "platform/events.h"
#include "sound/sound_device.h"

bool ReleaseDone = false;

namespace {

// Released in this order, each announced on the debug output while it was still alive.
struct NamedSurface {
  Surface* surface;
  const char* line;
};

void ReleaseNamed(const NamedSurface& named) {
  if (!*named.surface) return;
  DebugOut(named.line);
  ReleaseSurface(*named.surface);
}

}  // namespace

void ReleaseAll() {
  // Two Escape presses can be queued before the quit is seen; release only once.
  if (ReleaseDone) return;
  ReleaseDone = true;

  Display& display = TheDisplay();
  const NamedSurface surfaces[] = {
      {&display.backbuffer, "lpBackbuffer\n"},
      {&display.back, "lpBack\n"},
      {&display.chara, "lpChar\n"},
      {&display.item, "lpItem\n"},
      {&display.vill, "lpVill\n"},
      {&display.fram, "lpFram\n"},
      {&display.clea, "lpClea\n"},
      {&display.menu, "lpMenu\n"},
  };
  for (const NamedSurface& named : surfaces) ReleaseNamed(named);
  display.screen.Close();
  display.font = Font();
  display.pictures.reset();
  display.sound.reset();
  // The tune is left playing: it ends with the process.
  RequestQuit();
}
