#include "app/entry.h"
#include "app/shared_objects.h"
#include "gfx/picture_names.h"
#include "sound/sound_device.h"
#include "world/datafile.h"

void StartSharedObjects() {
  ReadDataFile("data/mes.txt");
  ParseRecords();

  StartPictures(PICTURE_FRAME, PICTURE_WIPE);

  Display& display = TheDisplay();
  display.sound = std::make_unique<SoundDevice>();
  display.sound->Init();
}
