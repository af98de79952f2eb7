#include "app/entry.h"
#include "app/shared_objects.h"
#include "app/shell.h"
#include "gfx/picture_names.h"
#include "sound/mydsound.h"
#include "world/datafile.h"

void StartSharedObjects() {
  ReadDataFile("data/mes.txt");
  ParseRecords();

  theDDraw = new MyDDraw();
  theDDraw->AttachDevice(lpPrimary, lpBackbuffer, lpDD);
  theDDraw->MakeSurface(&FrameId, 640, 1000, 0, 0);
  theDDraw->ReadBitmap(FrameId, PICTURE_FRAME);
  theDDraw->MakeSurface(&BackId, SCREEN_W, SCREEN_H, 0, 0);
  theDDraw->ReadBitmap(BackId, PICTURE_WIPE);

  theDSound = new MyDSound();
  theDSound->Init(0);
}
