#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/win.h"
#include "tests/support/headless.h"

namespace {

std::vector<MSG> dispatched;

intptr_t RecordingProc(unsigned message, intptr_t wParam) {
  MSG msg;
  msg.message = message;
  msg.wParam = wParam;
  dispatched.push_back(msg);
  return 7;
}

void DrainQueue() {
  MSG msg;
  while (PeekMessageA(&msg)) GetMessageA(&msg);
}

class WinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestBackend().Reset();
    DrainQueue();
    dispatched.clear();
  }
  void TearDown() override { DrainQueue(); }
};

TEST_F(WinTest, PeekLeavesTheMessageAndGetTakesThemInOrder) {
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg));
  PostMessageA(WM_KEYDOWN, VK_ESCAPE);
  PostMessageA(WM_CLOSE, 0);
  ASSERT_TRUE(PeekMessageA(&msg));
  EXPECT_EQ(msg.message, WM_KEYDOWN);
  ASSERT_TRUE(PeekMessageA(&msg));
  EXPECT_EQ(msg.message, WM_KEYDOWN);
  EXPECT_TRUE(GetMessageA(&msg));
  EXPECT_EQ(msg.message, WM_KEYDOWN);
  EXPECT_EQ(msg.wParam, VK_ESCAPE);
  EXPECT_TRUE(GetMessageA(&msg));
  EXPECT_EQ(msg.message, WM_CLOSE);
  EXPECT_FALSE(PeekMessageA(&msg));
}

TEST_F(WinTest, QuitMessageEndsGetWithItsExitCode) {
  PostQuitMessage(3);
  MSG msg;
  EXPECT_FALSE(GetMessageA(&msg));
  EXPECT_EQ(msg.message, WM_QUIT);
  EXPECT_EQ(msg.wParam, 3);
}

TEST_F(WinTest, DispatchReachesTheGameWindowProcedure) {
  ASSERT_TRUE(CreateGameWindow(RecordingProc));
  EXPECT_TRUE(TestBackend().WindowOpen());
  EXPECT_FALSE(TestBackend().CursorShown());
  PostMessageA(WM_KEYDOWN, VK_ESCAPE);
  MSG msg;
  ASSERT_TRUE(GetMessageA(&msg));
  TranslateMessage(&msg);
  EXPECT_EQ(DispatchMessageA(&msg), 7);
  ASSERT_EQ(dispatched.size(), 1u);
  EXPECT_EQ(dispatched[0].message, WM_KEYDOWN);
  EXPECT_EQ(dispatched[0].wParam, VK_ESCAPE);
}

TEST_F(WinTest, KeyStateHasTheHighBitOnlyWhileDown) {
  TestBackend().SetKeyDown(VK_SPACE, true);
  EXPECT_EQ(GetAsyncKeyState(VK_SPACE) & 0x8000, 0x8000);
  EXPECT_EQ(GetAsyncKeyState(VK_SHIFT), 0);
  TestBackend().SetKeyDown(VK_SPACE, false);
  EXPECT_EQ(GetAsyncKeyState(VK_SPACE), 0);
}

TEST_F(WinTest, ClockMovesOnAtEveryReadAndBySleeps) {
  DWORD first = timeGetTime();
  DWORD second = timeGetTime();
  EXPECT_GT(second, first);
  Sleep(100);
  EXPECT_GE(timeGetTime() - second, 100u);
}

TEST_F(WinTest, DebugOutputReachesTheBackend) {
  OutputDebugStringA("lpBackbuffer\n");
  ASSERT_EQ(TestBackend().DebugLines().size(), 1u);
  EXPECT_EQ(TestBackend().DebugLines()[0], "lpBackbuffer\n");
}

class MusicTest : public WinTest {
 protected:
  void SetUp() override {
    WinTest::SetUp();
    oldDir_ = std::filesystem::current_path();
    dir_ = std::filesystem::temp_directory_path() / ("kobako_win_test_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir_);
    std::filesystem::current_path(dir_);
  }
  void TearDown() override {
    std::filesystem::current_path(oldDir_);
    std::filesystem::remove_all(dir_);
    WinTest::TearDown();
  }
  std::string Status() {
    char reply[20] = "junk";
    mciSendStringA("status bgm mode", reply, sizeof reply);
    return reply;
  }
  std::filesystem::path oldDir_, dir_;
};

TEST_F(MusicTest, TuneFoundWhateverTheCaseAndLoopsThroughStatusAndPlay) {
  std::filesystem::create_directories(dir_ / "Sound");
  std::ofstream(dir_ / "Sound" / "KEL.MID") << "MThd";
  EXPECT_EQ(mciSendStringA("open sound\\kel.mid alias bgm type sequencer", nullptr, 0), 0);
  EXPECT_EQ(TestBackend().MusicPath(), "Sound/KEL.MID");
  EXPECT_EQ(Status(), "stopped");
  EXPECT_EQ(mciSendStringA("play bgm from 0", nullptr, 0), 0);
  EXPECT_EQ(Status(), "playing");
  EXPECT_EQ(TestBackend().MusicStarts(), 1);
  TestBackend().Sleep(300);  // a tune that played a while, not one that could not play at all
  TestBackend().FinishMusic();
  EXPECT_EQ(Status(), "stopped");
}

TEST_F(MusicTest, MissingTuneNeverReportsStopped) {
  mciSendStringA("open sound\\kel.mid alias bgm type sequencer", nullptr, 0);
  EXPECT_EQ(Status(), "");
  mciSendStringA("play bgm from 0", nullptr, 0);
  EXPECT_EQ(Status(), "");
  EXPECT_EQ(TestBackend().MusicStarts(), 0);
}

TEST_F(MusicTest, ReplyIsCutToItsBuffer) {
  std::filesystem::create_directories(dir_ / "sound");
  std::ofstream(dir_ / "sound" / "kel.mid") << "MThd";
  mciSendStringA("open sound\\kel.mid alias bgm type sequencer", nullptr, 0);
  char reply[4] = "xyz";
  mciSendStringA("status bgm mode", reply, sizeof reply);
  EXPECT_STREQ(reply, "sto");
  EXPECT_NE(mciSendStringA("status other mode", reply, sizeof reply), 0);
  EXPECT_NE(mciSendStringA("seek bgm to start", reply, sizeof reply), 0);
}

}  // namespace
