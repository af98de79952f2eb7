#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/shared_objects.h"
#include "app/shell.h"
#include "sound/mydsound.h"
#include "tests/support/headless.h"

namespace {

class ReleaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestBackend().Reset();
    DrainQueue();
    ReleaseDone = false;
    DirectDrawCreate(&lpDD);
    lpDD->SetDisplayMode(640, 480, 16);
    lpDD->CreatePrimarySurface(&lpPrimary);
    lpBackbuffer = CreateOffscreen(640, 480);
    hFont = CreateFontA(20, 12, 0, 0, 0, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, PROOF_QUALITY,
                        FIXED_PITCH | FF_MODERN, "font");
  }
  void TearDown() override {
    ReleaseAll();
    DrainQueue();
  }
  static void DrainQueue() {
    MSG msg;
    while (PeekMessageA(&msg)) GetMessageA(&msg);
  }
  static void CreateStageSurfaces() {
    for (LPDIRECTDRAWSURFACE* s : {&lpBack, &lpChar, &lpItem, &lpVill, &lpFram, &lpClea, &lpMenu})
      *s = CreateOffscreen(32, 32);
  }
  static std::vector<std::string> Lines() { return TestBackend().DebugLines(); }
};

TEST_F(ReleaseTest, LeavingBeforeAnyStageLogsOnlyTheBackBuffer) {
  lpChar = CreateOffscreen(32, 32);  // a front-end scene's own surface
  TestBackend().ClearDebugLines();
  ReleaseAll();
  EXPECT_EQ(Lines(), (std::vector<std::string>{"lpBackbuffer\n", "lpChar\n"}));
  EXPECT_EQ(lpChar, nullptr);
  EXPECT_EQ(lpBackbuffer, nullptr);
}

TEST_F(ReleaseTest, LeavingDuringPlayLogsAllEightInOrder) {
  CreateStageSurfaces();
  TestBackend().ClearDebugLines();
  ReleaseAll();
  EXPECT_EQ(Lines(), (std::vector<std::string>{"lpBackbuffer\n", "lpBack\n", "lpChar\n", "lpItem\n",
                                               "lpVill\n", "lpFram\n", "lpClea\n", "lpMenu\n"}));
  EXPECT_FALSE(TestBackend().WindowOpen());
}

TEST_F(ReleaseTest, SharedObjectsAreDestroyedAfterTheSurfacesDisplayFirst) {
  theDDraw = new MyDDraw();
  theDDraw->AttachDevice(lpPrimary, lpBackbuffer, lpDD);
  theDSound = new MyDSound();
  theDSound->Init(0);
  TestBackend().ClearDebugLines();
  ReleaseAll();
  std::vector<std::string> lines = Lines();
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines.front(), "lpBackbuffer\n");
  EXPECT_EQ(lines[lines.size() - 2], "\n----- ＜MyDDraw破棄＞ -----\n");
  EXPECT_EQ(lines.back(), "\n----- ＜MyDSound破棄＞ -----\n");
  EXPECT_EQ(theDDraw, nullptr);
  EXPECT_EQ(theDSound, nullptr);
}

TEST_F(ReleaseTest, SecondRequestReleasesNothingMore) {
  CreateStageSurfaces();
  ReleaseAll();
  TestBackend().ClearDebugLines();
  ReleaseAll();
  EXPECT_TRUE(Lines().empty());
  MSG msg;
  EXPECT_FALSE(GetMessageA(&msg));
  EXPECT_FALSE(PeekMessageA(&msg));  // a single quit message
}

TEST_F(ReleaseTest, QuitMessageCarriesExitCodeZero) {
  PostMessageA(WM_KEYDOWN, VK_SPACE);  // a message already waiting is fetched first
  ReleaseAll();
  MSG msg;
  EXPECT_TRUE(GetMessageA(&msg));
  EXPECT_EQ(msg.message, WM_KEYDOWN);
  EXPECT_FALSE(GetMessageA(&msg));
  EXPECT_EQ(msg.message, WM_QUIT);
  EXPECT_EQ(msg.wParam, 0);
}

}  // namespace
