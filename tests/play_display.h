// The display objects a stage is drawn with, on whichever backend is installed: the two screen
// surfaces, the message font, and the shared MyDDraw with the window and wipe pictures.
#pragma once
#include "app/shared_objects.h"
#include "app/shell.h"
#include "gfx/mydraw.h"
#include "platform/ddraw.h"
#include "platform/gdi.h"

inline void OpenStageDisplay(const char* framePicture, const char* backPicture) {
  DirectDrawCreate(&lpDD);
  lpDD->SetDisplayMode(640, 480, 16);
  lpDD->CreatePrimarySurface(&lpPrimary);
  lpDD->CreateSurface(640, 480, &lpBackbuffer);
  hFont = CreateFontA(20, 12, 0, 0, 0, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, PROOF_QUALITY,
                      FIXED_PITCH | FF_MODERN, "");
  theDDraw = new MyDDraw();
  theDDraw->AttachDevice(lpPrimary, lpBackbuffer, lpDD);
  theDDraw->MakeSurface(&FrameId, 640, 1000, 0, 0);
  theDDraw->ReadBitmap(FrameId, framePicture);
  theDDraw->MakeSurface(&BackId, 640, 480, 0, 0);
  theDDraw->ReadBitmap(BackId, backPicture);
}

// Releases the stage surfaces too.
inline void CloseStageDisplay() {
  for (LPDIRECTDRAWSURFACE* s : {&lpBack, &lpChar, &lpItem, &lpVill, &lpFram, &lpClea, &lpMenu})
    ReleaseSurface(*s);
  delete theDDraw;
  theDDraw = nullptr;
  ReleaseSurface(lpBackbuffer);
  lpPrimary->Release();
  lpPrimary = nullptr;
  lpDD->Release();
  lpDD = nullptr;
  DeleteObject(hFont);
  hFont = nullptr;
}
