// Waiting for the next frame: the frame gate rests until just before the frame is due instead of
// spinning, and never past it.
#include <gtest/gtest.h>

#include <vector>

#include "app/shell.h"
#include "platform/backend.h"
#include "tests/support/headless.h"

namespace {

// The headless clock, with the rests the game asks for written down.
class RestRecorder : public HeadlessBackend {
 public:
  void Idle(uint32_t ms) override { rests.push_back(ms); }
  std::vector<uint32_t> rests;
};

class FrameRest : public ::testing::Test {
 protected:
  void SetUp() override { SetBackend(&recorder_); }
  void TearDown() override { SetBackend(&TestBackend()); }
  RestRecorder recorder_;
};

TEST_F(FrameRest, GateRestsUntilAMillisecondBeforeTheFrameIsDue) {
  uint32_t last = 1000;
  recorder_.SetClock(1010);
  EXPECT_FALSE(FrameGate(last, 33));
  EXPECT_EQ(recorder_.rests, (std::vector<uint32_t>{22}));
  recorder_.SetClock(1010);
  EXPECT_FALSE(FrameGate(last, 20));  // the ending's shorter gate
  EXPECT_EQ(recorder_.rests.back(), 9u);
}

TEST_F(FrameRest, NoRestInTheLastMillisecondNorWhenTheFrameIsDue) {
  uint32_t last = 1000;
  recorder_.SetClock(1032);
  EXPECT_FALSE(FrameGate(last, 33));
  recorder_.SetClock(1033);
  EXPECT_TRUE(FrameGate(last, 33));
  recorder_.SetClock(5000);  // far behind: the frame runs at once
  EXPECT_TRUE(FrameGate(last, 33));
  EXPECT_TRUE(recorder_.rests.empty());
}

TEST_F(FrameRest, RestNeverReachesPastTheFrameAcrossTheClockWrap) {
  uint32_t last = 0xFFFFFFF0u;
  recorder_.SetClock(0x00000005u);  // 21 ms after last
  EXPECT_FALSE(FrameGate(last, 33));
  EXPECT_EQ(recorder_.rests, (std::vector<uint32_t>{11}));
}

}  // namespace
