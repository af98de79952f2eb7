#include "app/shared_objects.h"
#include "app/shell.h"
#include "sound/mydsound.h"

bool ReleaseDone = false;

namespace {

// Released in this order, each announced on the debug output while it was still alive.
struct NamedSurface {
  LPDIRECTDRAWSURFACE* surface;
  const char* line;
};

void ReleaseNamed(const NamedSurface& named) {
  if (*named.surface == nullptr) return;
  OutputDebugStringA(named.line);
  (*named.surface)->Release();
  *named.surface = nullptr;
}

}  // namespace

void ReleaseAll() {
  // Two Escape presses can be queued before the quit message is seen; release only once.
  if (ReleaseDone) return;
  ReleaseDone = true;

  if (lpDD != nullptr) lpDD->RestoreDisplayMode();
  if (lpPrimary != nullptr) lpPrimary->Release();
  lpPrimary = nullptr;
  const NamedSurface surfaces[] = {
      {&lpBackbuffer, "lpBackbuffer\n"},
      {&lpBack, "lpBack\n"},
      {&lpChar, "lpChar\n"},
      {&lpItem, "lpItem\n"},
      {&lpVill, "lpVill\n"},
      {&lpFram, "lpFram\n"},
      {&lpClea, "lpClea\n"},
      {&lpMenu, "lpMenu\n"},
  };
  for (const NamedSurface& named : surfaces) ReleaseNamed(named);
  if (lpDD != nullptr) lpDD->Release();
  lpDD = nullptr;
  if (hFont != nullptr) DeleteObject(hFont);
  hFont = nullptr;
  if (theDDraw != nullptr) delete theDDraw;
  theDDraw = nullptr;
  if (theDSound != nullptr) delete theDSound;
  theDSound = nullptr;
  // The tune is left playing: it ends with the process.
  PostQuitMessage(0);
}
