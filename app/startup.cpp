#include "app/entry.h"
#include "app/shared_objects.h"
#include "gfx/picture_names.h"
#include "sound/sound_device.h"
#include "world/datafile.h"

void StartSharedObjects() {
  ReadDataFile("data/mes.txt");
  ParseRecords();

  Display& display = TheDisplay();
  display.pictures = std::make_unique<PictureSlots>();
  PictureSlots& pictures = *display.pictures;
  pictures.DrawOnto(display.backbuffer);
  pictures.MakeSurface(&display.frameId, 640, 1000, 0);
  pictures.ReadBitmap(display.frameId, PICTURE_FRAME);
  pictures.MakeSurface(&display.backId, SCREEN_W, SCREEN_H, 0);
  pictures.ReadBitmap(display.backId, PICTURE_WIPE);

  display.sound = std::make_unique<SoundDevice>();
  display.sound->Init();
}
