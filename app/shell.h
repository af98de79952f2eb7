// The application shell: the display, the scene in charge, frame gate, keys, present.
#pragma once
#include <cstdint>
#include <memory>

#include "gfx/picture_slots.h"
#include "platform/keys.h"
#include "platform/screen.h"
#include "platform/text.h"

class SoundDevice;

// Every scene runs at one frame every 33 ms (about 30 a second), unless it says otherwise.
constexpr uint32_t FRAME_PERIOD = 33;

typedef void (*SceneFunction)();
extern SceneFunction CurrentScene;

// Everything the game draws with, for the whole run: made at start-up and by the scenes,
// released by ReleaseAll in this order.
struct Display {
  Screen screen;
  Surface backbuffer;  // every frame is drawn here, then presented
  Font font;
  // Scene surfaces: made by the scenes that use them.
  Surface back, chara, item, vill, fram, clea, menu;
  // The shared objects: the picture slots with their two pictures (the window frames and the
  // wipe background) and the sound device.
  std::unique_ptr<PictureSlots> pictures;
  SurfaceId frameId = 0, backId = 0;
  std::unique_ptr<SoundDevice> sound;
};
Display& TheDisplay();

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
// Waits for the next frame of a loop of its own (a window or the wipe): true when the frame is
// due, false after a short rest, or when a close request waits (then the loop ends).
bool NextFrameOfLoop(uint32_t& last, uint32_t period, bool* closing);
// Puts the back buffer on screen.
void Present();
// A key acts once per press: true when it is down and its held flag is clear, which sets the
// flag; a key found up clears it. The flag stays set through a change of scene, so the press
// that changed the scene does not act again in the next one.
bool PressedOnce(bool down, int& held);
bool KeyPressedOnce(Key key, int& held);
// The same for an arrow key in the menus, whose held flag is its ArrowBit in ArrowHeld.
bool ArrowPressedOnce(Key key);

// Makes the picture slots, drawing onto the back buffer, with the two shared pictures in slots
// frameId (640 x 1000) and backId (the screen's size).
void StartPictures(const char* framePicture, const char* backPicture);

// Remakes a scene surface at width x height, black.
void MakeSceneSurface(Surface& surface, int width, int height);
// Lets a scene surface go.
void ReleaseSurface(Surface& surface);

// Ends the game: releases the display, the font and the shared objects, then asks the main loop
// to stop. A second request before the loop has stopped does nothing.
void ReleaseAll();
// Set once ReleaseAll has run.
extern bool ReleaseDone;
