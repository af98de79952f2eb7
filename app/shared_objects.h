// The objects every scene shares for the whole run, held by the display (app/shell.h): the
// picture slots with their two pictures (the window frames and the wipe background) and the
// sound device.
#pragma once
#include "app/shell.h"

// The picture slots; null before start-up and after the release.
inline PictureSlots* Pictures() {
  return TheDisplay().pictures.get();
}
// The slots of the window frames and of the wipe background.
inline SurfaceId FrameId() {
  return TheDisplay().frameId;
}
inline SurfaceId BackId() {
  return TheDisplay().backId;
}
