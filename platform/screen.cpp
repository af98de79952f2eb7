#include "platform/screen.h"

#include "platform/backend.h"
#include "platform/frame_change.h"

bool Screen::Open() {
  if (open_) return true;
  if (!CurrentBackend().OpenWindow()) return false;
  open_ = true;
  shown_ = Surface(SCREEN_W, SCREEN_H);
  return true;
}

void Screen::Close() {
  if (!open_) return;
  shown_ = Surface();
  open_ = false;
  CurrentBackend().CloseWindow();
}

void Screen::Present(const Surface& frame) {
  if (!open_ || frame.Width() != SCREEN_W || frame.Height() < SCREEN_H) return;
  // Only the rows that differ are written, and the part they make up is handed on.
  const ScreenRect part = CopyChangedPart(shown_.Pixels(), frame.Pixels());
  CurrentBackend().ShowPrimary(shown_.Pixels(), SCREEN_W, SCREEN_H, true, &part);
}

void Screen::ShowFill(Pixel colour) {
  if (!open_) return;
  shown_.Fill(colour);
  CurrentBackend().ShowPrimary(shown_.Pixels(), SCREEN_W, SCREEN_H, false, nullptr);
}
