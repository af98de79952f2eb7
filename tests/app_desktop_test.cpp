// The whole game on the desktop backend, on SDL's invisible display and silent audio device.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/entry.h"
#include "app/shell.h"
#include "platform/backend_sdl.h"
#include "tests/support/headless.h"
#include "tests/support/offscreen_desktop.h"

namespace {

namespace fs = std::filesystem;

// Presses Escape once the game has shown a few frames.
Uint32 PressEscapeAfterFrames(Uint32 interval, void* backend) {
  if (static_cast<SdlBackend*>(backend)->PresentCount() < 3) return interval;
  SDL_Event event = {};
  event.type = SDL_KEYDOWN;
  event.key.state = SDL_PRESSED;
  event.key.keysym.scancode = SDL_SCANCODE_ESCAPE;
  event.key.keysym.sym = SDLK_ESCAPE;
  SDL_PushEvent(&event);
  return 0;
}

class DesktopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseOffscreenDesktop();
    ReleaseDone = false;
    oldDir_ = fs::current_path();
    dir_ = fs::temp_directory_path() / ("kobako_desktop_" + std::to_string(getpid()));
    fs::create_directories(dir_);
    fs::current_path(dir_);
  }
  void TearDown() override {
    fs::current_path(oldDir_);
    fs::remove_all(dir_);
  }
  fs::path oldDir_, dir_;
};

TEST_F(DesktopTest, GameRunsAndEscapeEndsItWithExitCodeZero) {
  SdlBackend backend;
  SetBackend(&backend);
  SDL_AddTimer(50, PressEscapeAfterFrames, &backend);
  int exitCode = RunGame();
  SetBackend(&TestBackend());
  EXPECT_EQ(exitCode, 0);
  EXPECT_GE(backend.PresentCount(), 3);
  EXPECT_TRUE(ReleaseDone);
}

// The program itself: an interrupt from the desktop closes it like its window's close button.
TEST_F(DesktopTest, ProgramEndsCleanlyWhenAskedToQuit) {
  const std::string program = KOBAKO_BINARY_DIR "/kobako";
  if (!fs::exists(program)) GTEST_SKIP() << "the kobako program is not built";
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  usleep(1500 * 1000);
  kill(child, SIGTERM);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
