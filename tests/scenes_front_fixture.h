// The front-end scenes on the headless backend: an open screen and a back buffer of their own,
// fresh shared key flags and map, frames driven by the virtual clock. Pictures are missing on
// purpose (the scenes run on black); a test paints the scene surfaces with plain colours it can
// look for.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#include "app/shell.h"
#include "gfx/picture_slots.h"
#include "platform/events.h"
#include "platform/geometry.h"
#include "platform/keys.h"
#include "platform/surface.h"
#include "tests/support/headless.h"
#include "world/stage_map.h"

namespace frontfix {

class FrontScenes : public ::testing::Test {
 protected:
  void SetUp() override {
    TestBackend().Reset();
    ClearEvents();
    // The scenes keep their last-frame times between tests: the clock only moves on, by more
    // than any gate, so every test starts with each gate open.
    static uint32_t clockBase = 0;
    clockBase += 1000000;
    TestBackend().SetClock(clockBase);
    // Scene surfaces are made only while the screen is open.
    Display& display = TheDisplay();
    ASSERT_TRUE(display.screen.Open());
    display.backbuffer = Surface(SCREEN_W, SCREEN_H);
    ReleaseDone = false;
    SpaceHeld = 0;
    ShiftHeld = 0;
    ArrowHeld = 0;
    StageMapReady = 0;
    SelectCursor = 0;
    CurrentScene = nullptr;
  }

  void TearDown() override {
    // Every surface goes with the screen, whether or not the test ended the game.
    Display& display = TheDisplay();
    for (Surface* s : {&display.backbuffer, &display.back, &display.chara, &display.item,
                       &display.vill, &display.fram, &display.clea, &display.menu}) {
      ReleaseSurface(*s);
    }
    display.screen.Close();
  }

  static void Hold(Key key, bool down) { TestBackend().SetKeyDown(key, down); }

  // One idle turn after period ms of virtual time: the current scene runs at most one frame.
  static void Turn(uint32_t period = 33) {
    TestBackend().SetClock(TestBackend().PeekClock() + period);
    CurrentScene();
  }

  // Runs frames of the scene in charge while it stays in charge, at most limit of them.
  static int RunWhile(SceneFunction scene, int limit, uint32_t period = 33) {
    int frames = 0;
    while (CurrentScene == scene && frames < limit) {
      Turn(period);
      frames++;
    }
    return frames;
  }

  static uint16_t Shown(int x, int y) { return TheDisplay().screen.Shown().Pixels()[y * 640 + x]; }
  static uint16_t Drawn(int x, int y) { return TheDisplay().backbuffer.Pixels()[y * 640 + x]; }
  static int Presents() { return TestBackend().PresentCount(); }

  static void Paint(Surface& s, Rect r, uint16_t colour) { s.Fill(r, colour); }

  // Bounding box of the pixels of one colour on the screen; empty (0, 0, 0, 0) when none.
  static Rect BoxOf(uint16_t colour) {
    Rect box = {640, 480, 0, 0};
    for (int y = 0; y < 480; y++) {
      for (int x = 0; x < 640; x++) {
        if (Shown(x, y) != colour) continue;
        if (x < box.left) box.left = x;
        if (y < box.top) box.top = y;
        if (x + 1 > box.right) box.right = x + 1;
        if (y + 1 > box.bottom) box.bottom = y + 1;
      }
    }
    if (box.right == 0) return Rect{0, 0, 0, 0};
    return box;
  }
};

}  // namespace frontfix
