#include "app/shell.h"

#include "platform/clock.h"
#include "platform/events.h"
#include "sound/sound_device.h"

SceneFunction CurrentScene = nullptr;

int SpaceHeld = 0;
int ShiftHeld = 0;
uint8_t ArrowHeld = 0;

Display& TheDisplay() {
  // Never destroyed: ReleaseAll lets go of what it holds, in its own order, while the backend
  // that hears about it is still there.
  static Display* display = new Display;
  return *display;
}

bool FrameGate(uint32_t& last, uint32_t period) {
  uint32_t now = NowMs();
  // Unsigned difference: the clock wrapping round after 49.7 days does not stall the game.
  uint32_t elapsed = now - last;
  if (elapsed < period) {
    // Rest until a millisecond before the frame is due, so that waiting for the next frame does
    // not spin a whole core; the callers' loops cover the last millisecond.
    if (period - elapsed > 1) RestForEvents(period - elapsed - 1);
    return false;
  }
  last = now;
  return true;
}

bool NextFrameOfLoop(uint32_t& last, uint32_t period, bool* closing) {
  *closing = CloseRequested();
  if (*closing) return false;
  if (FrameGate(last, period)) return true;
  RestForEvents(1);
  return false;
}

void Present() {
  Display& display = TheDisplay();
  display.screen.Present(display.backbuffer);
}

bool PressedOnce(bool down, int& held) {
  if (down && held == 0) {
    held = 1;
    return true;
  }
  if (!down) held = 0;
  return false;
}

bool KeyPressedOnce(Key key, int& held) {
  return PressedOnce(IsKeyDown(key), held);
}

bool ArrowPressedOnce(Key key) {
  uint8_t bit = 0;
  switch (key) {
    case Key::Up:
      bit = kArrowUpBit;
      break;
    case Key::Down:
      bit = kArrowDownBit;
      break;
    case Key::Left:
      bit = kArrowLeftBit;
      break;
    case Key::Right:
      bit = kArrowRightBit;
      break;
    default:
      return false;
  }
  int held = (ArrowHeld & bit) != 0;
  const bool pressed = PressedOnce(IsKeyDown(key), held);
  ArrowHeld = static_cast<uint8_t>(held ? ArrowHeld | bit : ArrowHeld & ~bit);
  return pressed;
}

void StartPictures(const char* framePicture, const char* backPicture) {
  Display& display = TheDisplay();
  display.pictures = std::make_unique<PictureSlots>();
  PictureSlots& pictures = *display.pictures;
  pictures.DrawOnto(display.backbuffer);
  pictures.MakeSurface(&display.frameId, 640, 1000, 0);
  pictures.ReadBitmap(display.frameId, framePicture);
  pictures.MakeSurface(&display.backId, SCREEN_W, SCREEN_H, 0);
  pictures.ReadBitmap(display.backId, backPicture);
}

void MakeSceneSurface(Surface& surface, int width, int height) {
  // Surfaces belong to an open screen: before the display is up, or after its release, none.
  surface = TheDisplay().screen.IsOpen() ? Surface(width, height) : Surface();
}

void ReleaseSurface(Surface& surface) {
  surface = Surface();
}
