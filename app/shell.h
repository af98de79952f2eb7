// The application shell: display globals, the scene in charge, frame gate, keys, present.
#pragma once
#include <cstdint>

#include "platform/ddraw.h"
#include "platform/gdi.h"
#include "platform/win.h"

// The whole screen, as a source or target rectangle.
constexpr RECT SCREEN_RECT = {0, 0, SCREEN_W, SCREEN_H};
// A keyed copy: black source pixels are left out.
constexpr DWORD KEYED_COPY = DDBLTFAST_SRCCOLORKEY | DDBLTFAST_WAIT;

typedef void (*SceneFunction)();
extern SceneFunction CurrentScene;

extern LPDIRECTDRAW lpDD;
extern LPDIRECTDRAWSURFACE lpPrimary;
extern LPDIRECTDRAWSURFACE lpBackbuffer;
extern HFONT hFont;

// Scene surfaces: created by the scenes that use them, released by ReleaseAll.
extern LPDIRECTDRAWSURFACE lpBack, lpChar, lpItem, lpVill, lpFram, lpClea, lpMenu;

// Held-key flags shared by every scene: a key acts once per press.
extern int SpaceHeld;
extern int ShiftHeld;
extern uint8_t ArrowHeld;  // ArrowBit set

// One bit of ArrowHeld per arrow key.
enum ArrowBit : uint8_t {
  kArrowRightBit = 1,
  kArrowLeftBit = 2,
  kArrowDownBit = 4,
  kArrowUpBit = 8,
};

// True when at least period ms have passed since last; then last = now.
bool FrameGate(uint32_t& last, uint32_t period);
// Copies the whole back buffer onto the primary surface.
void Present();
bool KeyDown(int vk);
// A key acts once per press: true when it is down and its held flag is clear, which sets the
// flag; a key found up clears it. The flag stays set through a change of scene, so the press
// that changed the scene does not act again in the next one.
bool KeyPressedOnce(int vk, int& held);
// The same for a key already read this frame.
bool PressedOnce(bool down, int& held);
// The same for an arrow key in the menus, whose held flag is its ArrowBit in ArrowHeld.
bool ArrowPressedOnce(int vk);

// Creates an off-screen surface in system memory.
LPDIRECTDRAWSURFACE CreateOffscreen(int width, int height);
// Releases a scene surface still held and nulls it.
void ReleaseSurface(LPDIRECTDRAWSURFACE& surface);

// Ends the game: releases the display, the font and the shared objects, then posts the quit
// message. A second request before the loop has stopped does nothing.
void ReleaseAll();
// Set once ReleaseAll has run.
extern bool ReleaseDone;
