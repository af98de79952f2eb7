#include "scenes/scene_surfaces.h"

#include <string>

#include "app/shell.h"
#include "gfx/mydraw.h"
#include "platform/gdi.h"
#include "platform/win.h"

void RemakeSurface(LPDIRECTDRAWSURFACE& slot, int width, int height, bool keyed) {
  ReleaseSurface(slot);
  slot = CreateOffscreen(width, height);
  if (slot == nullptr) {
    OutputDebugStringA("scene surface not created\n");
    return;
  }
  if (keyed) {
    DDCOLORKEY key = {0, 0};
    slot->SetColorKey(DDCKEY_SRCBLT, &key);
  }
}

void LoadScenePicture(LPDIRECTDRAWSURFACE surface, const char* name) {
  if (surface == nullptr || FindFileNoCase(name).empty()) {
    std::string line = std::string(name) + ": picture not loaded\n";
    OutputDebugStringA(line.c_str());
    return;
  }
  LoadBitmapSurface(surface, name);
}
