#include <gtest/gtest.h>

#include "app/shell.h"
#include "tests/support/headless.h"

namespace {

class FrameTest : public ::testing::Test {
 protected:
  void SetUp() override { TestBackend().Reset(); }
};

// Counts how many frames a scene with a 33 ms gate runs over a stretch of idle turns.
int FramesOverTurns(uint32_t& last, int turns) {
  int frames = 0;
  for (int i = 0; i < turns; ++i) {
    if (FrameGate(last, FRAME_PERIOD)) ++frames;
  }
  return frames;
}

TEST_F(FrameTest, GateOpensOnlyAfterThePeriod) {
  uint32_t last = 0;
  TestBackend().SetClock(1000);
  EXPECT_TRUE(FrameGate(last, 33));
  EXPECT_EQ(last, 1000u);
  TestBackend().SetClock(1032);
  EXPECT_FALSE(FrameGate(last, 33));
  EXPECT_EQ(last, 1000u);
  TestBackend().SetClock(1033);
  EXPECT_TRUE(FrameGate(last, 33));
  EXPECT_EQ(last, 1033u);
}

TEST_F(FrameTest, LateSceneRunsOneFrameNotACatchUp) {
  uint32_t last = 0;
  TestBackend().SetClock(5000);
  // Five seconds late: one frame now, then nothing until 33 ms later.
  EXPECT_TRUE(FrameGate(last, 33));
  EXPECT_EQ(FramesOverTurns(last, 20), 0);
  EXPECT_EQ(FramesOverTurns(last, 13), 1);
}

TEST_F(FrameTest, GateKeepsWorkingAcrossTheClockWrap) {
  uint32_t last = 0xFFFFFFF0u;
  TestBackend().SetClock(0xFFFFFFFFu);
  EXPECT_FALSE(FrameGate(last, 33));
  TestBackend().SetClock(0x00000010u);  // 32 ms after last, past the wrap
  EXPECT_FALSE(FrameGate(last, 33));
  TestBackend().SetClock(0x00000011u);
  EXPECT_TRUE(FrameGate(last, 33));
  EXPECT_EQ(last, 0x11u);
}

TEST_F(FrameTest, ThirtyFramesInASecond) {
  uint32_t last = 0;
  // Each gate test reads the clock once, and every read is 1 ms of virtual time: one second of
  // turns opens the gate at 33, 66, ... 990 ms.
  EXPECT_EQ(FramesOverTurns(last, 1000), 30);
}

TEST_F(FrameTest, PresentPutsTheWholeBackBufferOnScreenAsOneFrame) {
  Display& display = TheDisplay();
  ASSERT_TRUE(display.screen.Open());
  display.backbuffer = Surface(640, 480);
  display.backbuffer.Pixels()[0] = 0xF800;
  display.backbuffer.Pixels()[640 * 480 - 1] = 0x001F;
  Present();
  EXPECT_EQ(TestBackend().PresentCount(), 1);
  EXPECT_EQ(display.screen.Shown().Pixels()[0], 0xF800);
  EXPECT_EQ(display.screen.Shown().Pixels()[640 * 480 - 1], 0x001F);
  ASSERT_EQ(TestBackend().PrimaryPixels().size(), 640u * 480u);
  EXPECT_EQ(TestBackend().PrimaryPixels()[0], 0xF800);
  display.screen.Close();
  Present();  // nothing to show it on
  EXPECT_EQ(TestBackend().PresentCount(), 1);
  ReleaseSurface(display.backbuffer);
}

TEST_F(FrameTest, KeysReadDownOnlyWhileHeld) {
  TestBackend().SetKeyDown(Key::Shift, true);
  EXPECT_TRUE(IsKeyDown(Key::Shift));
  EXPECT_FALSE(IsKeyDown(Key::Control));
  int held = 0;
  EXPECT_TRUE(KeyPressedOnce(Key::Shift, held));
  EXPECT_FALSE(KeyPressedOnce(Key::Shift, held)) << "once per press";
  TestBackend().SetKeyDown(Key::Shift, false);
  EXPECT_FALSE(IsKeyDown(Key::Shift));
  EXPECT_FALSE(KeyPressedOnce(Key::Shift, held));
  EXPECT_EQ(held, 0);
}

TEST_F(FrameTest, SceneSurfacesBelongToAnOpenScreen) {
  Display& display = TheDisplay();
  Surface surface;
  MakeSceneSurface(surface, 64, 32);
  EXPECT_FALSE(surface) << "no screen yet";
  ASSERT_TRUE(display.screen.Open());
  MakeSceneSurface(surface, 64, 32);
  ASSERT_TRUE(surface);
  EXPECT_EQ(surface.Width(), 64);
  EXPECT_EQ(surface.Height(), 32);
  ReleaseSurface(surface);
  EXPECT_FALSE(surface);
  display.screen.Close();
}

}  // namespace
