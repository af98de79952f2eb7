// The game's events, keys, clock and debug output, as the headless backend serves them.
#include <gtest/gtest.h>

#include <string>

#include "platform/clock.h"
#include "platform/debug.h"
#include "platform/events.h"
#include "platform/keys.h"
#include "tests/support/headless.h"

namespace {

class EventsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestBackend().Reset();
    ClearEvents();
  }
  void TearDown() override { ClearEvents(); }
};

TEST_F(EventsTest, WaitingLeavesTheEventAndTakingGivesThemInOrder) {
  EXPECT_FALSE(EventWaiting());
  PostEvent(GameEvent::Escape);
  PostEvent(GameEvent::Close);
  EXPECT_TRUE(EventWaiting());
  EXPECT_TRUE(EventWaiting());
  EXPECT_EQ(TakeEvent(), GameEvent::Escape);
  EXPECT_EQ(TakeEvent(), GameEvent::Close);
  EXPECT_FALSE(EventWaiting());
  RequestQuit();
  EXPECT_EQ(TakeEvent(), GameEvent::Quit);
}

TEST_F(EventsTest, CloseRequestedWhileACloseOrTheEndWaits) {
  EXPECT_FALSE(CloseRequested());
  PostEvent(GameEvent::Escape);
  EXPECT_FALSE(CloseRequested());
  PostEvent(GameEvent::Close);
  EXPECT_TRUE(CloseRequested());
  EXPECT_EQ(TakeEvent(), GameEvent::Escape);
  EXPECT_TRUE(CloseRequested());
  EXPECT_EQ(TakeEvent(), GameEvent::Close);
  EXPECT_FALSE(CloseRequested()) << "taken, the request is the loop's to answer";
  RequestQuit();
  EXPECT_TRUE(CloseRequested());
  ClearEvents();
  EXPECT_FALSE(CloseRequested());
  EXPECT_FALSE(EventWaiting());
}

TEST_F(EventsTest, GameWindowOpensWithoutPointerOrSaysItCannot) {
  ASSERT_TRUE(OpenGameWindow());
  EXPECT_TRUE(TestBackend().WindowOpen());
  EXPECT_FALSE(TestBackend().CursorShown());
  TestBackend().Reset();
  TestBackend().SetDisplayAvailable(false);
  EXPECT_FALSE(OpenGameWindow());
  EXPECT_TRUE(TestBackend().CursorShown());
}

TEST_F(EventsTest, KeyIsDownOnlyWhileHeld) {
  TestBackend().SetKeyDown(Key::Space, true);
  EXPECT_TRUE(IsKeyDown(Key::Space));
  EXPECT_FALSE(IsKeyDown(Key::Shift));
  TestBackend().SetKeyDown(Key::Space, false);
  EXPECT_FALSE(IsKeyDown(Key::Space));
  EXPECT_FALSE(EventWaiting()) << "a held key is polled, never queued";
}

TEST_F(EventsTest, ClockMovesOnAtEveryReadAndByRests) {
  const uint32_t first = NowMs();
  const uint32_t second = NowMs();
  EXPECT_GT(second, first);
  Rest(100);
  EXPECT_GE(NowMs() - second, 100u);
  // Differences wrap with the 32-bit clock.
  TestBackend().SetClock(0xFFFFFFF0u);
  const uint32_t before = NowMs();
  Rest(0x20);
  EXPECT_EQ(NowMs() - before, 0x21u);
}

TEST_F(EventsTest, RestForEventsLeavesTheVirtualClockToItsReaders) {
  const uint32_t before = NowMs();
  RestForEvents(20);
  // Only the read moves the virtual clock, by 1 ms: frames come as they would without rests.
  EXPECT_EQ(NowMs() - before, 1u);
  EXPECT_FALSE(EventWaiting());
}

TEST_F(EventsTest, DebugOutputReachesTheBackendAsItStands) {
  DebugOut("two\nlines");
  DebugLine("one line");
  ASSERT_EQ(TestBackend().DebugLines().size(), 2u);
  EXPECT_EQ(TestBackend().DebugLines()[0], "two\nlines");
  EXPECT_EQ(TestBackend().DebugLines()[1], "one line\n");
}

TEST_F(EventsTest, DebugLineIsCutTo127BytesBeforeASplitCharacter) {
  const std::string fits(126, 'a');
  DebugLine(fits);
  DebugLine(fits + "b");
  // 125 bytes and a three-byte character: the character would end past byte 126, so it goes.
  DebugLine(std::string(125, 'a') + "あいう");
  DebugLine(std::string(123, 'a') + "あいう");
  const auto& lines = TestBackend().DebugLines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], fits + "\n");
  EXPECT_EQ(lines[1], fits + "\n");
  EXPECT_EQ(lines[2], std::string(125, 'a') + "\n");
  EXPECT_EQ(lines[3], std::string(123, 'a') + "あ\n");
  for (const std::string& line : lines) EXPECT_LE(line.size(), 127u);
}

}  // namespace
