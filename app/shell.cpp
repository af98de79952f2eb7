#include "app/shell.h"

#include "app/shared_objects.h"

SceneFunction CurrentScene = nullptr;

LPDIRECTDRAW lpDD = nullptr;
LPDIRECTDRAWSURFACE lpPrimary = nullptr;
LPDIRECTDRAWSURFACE lpBackbuffer = nullptr;
HFONT hFont = nullptr;

LPDIRECTDRAWSURFACE lpBack = nullptr, lpChar = nullptr, lpItem = nullptr, lpVill = nullptr,
                    lpFram = nullptr, lpClea = nullptr, lpMenu = nullptr;

int SpaceHeld = 0;
int ShiftHeld = 0;
uint8_t ArrowHeld = 0;

MyDDraw* theDDraw = nullptr;
SurfaceId FrameId = 0, BackId = 0;
MyDSound* theDSound = nullptr;

bool FrameGate(uint32_t& last, uint32_t period) {
  uint32_t now = timeGetTime();
  // Unsigned difference: the clock wrapping round after 49.7 days does not stall the game.
  uint32_t elapsed = now - last;
  if (elapsed < period) {
    // Rest until a millisecond before the frame is due, so that waiting for the next frame does
    // not spin a whole core; the callers' loops cover the last millisecond.
    if (period - elapsed > 1) WaitMessageTimeout(period - elapsed - 1);
    return false;
  }
  last = now;
  return true;
}

void Present() {
  if (lpPrimary == nullptr || lpBackbuffer == nullptr) return;
  lpPrimary->BltFast(0, 0, lpBackbuffer, &SCREEN_RECT, DDBLTFAST_WAIT);
}

bool KeyDown(int vk) {
  return (GetAsyncKeyState(vk) & 0x8000) != 0;
}

bool KeyPressedOnce(int vk, int& held) {
  if (KeyDown(vk) && held == 0) {
    held = 1;
    return true;
  }
  if (!KeyDown(vk)) held = 0;
  return false;
}

bool PressedOnce(bool down, int& held) {
  if (down && held == 0) {
    held = 1;
    return true;
  }
  if (!down) held = 0;
  return false;
}

bool ArrowPressedOnce(int vk) {
  uint8_t bit = 0;
  switch (vk) {
    case VK_UP:
      bit = kArrowUpBit;
      break;
    case VK_DOWN:
      bit = kArrowDownBit;
      break;
    case VK_LEFT:
      bit = kArrowLeftBit;
      break;
    case VK_RIGHT:
      bit = kArrowRightBit;
      break;
    default:
      return false;
  }
  if (KeyDown(vk) && !(ArrowHeld & bit)) {
    ArrowHeld |= bit;
    return true;
  }
  if (!KeyDown(vk)) ArrowHeld &= ~bit;
  return false;
}

LPDIRECTDRAWSURFACE CreateOffscreen(int width, int height) {
  LPDIRECTDRAWSURFACE surface = nullptr;
  if (lpDD != nullptr) lpDD->CreateSurface(width, height, &surface);
  return surface;
}

void ReleaseSurface(LPDIRECTDRAWSURFACE& surface) {
  if (surface == nullptr) return;
  surface->Release();
  surface = nullptr;
}
