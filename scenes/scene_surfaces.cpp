#include "scenes/scene_surfaces.h"

#include <string>

#include "app/shell.h"
#include "platform/debug.h"
#include "platform/file_lookup.h"

void RemakeSurface(Surface& surface, int width, int height, bool keyed) {
  ReleaseSurface(surface);
  MakeSceneSurface(surface, width, height);
  if (!surface) {
    DebugOut("scene surface not created\n");
    return;
  }
  if (keyed) surface.SetKey(0);
}

void LoadScenePicture(Surface& surface, const char* name) {
  if (!surface || FindFileNoCase(name).empty()) {
    DebugOut(std::string(name) + ": picture not loaded\n");
    return;
  }
  LoadBitmapSurface(surface, name);
}
