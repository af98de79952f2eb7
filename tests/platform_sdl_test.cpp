// The desktop backend on SDL's invisible display and silent audio device.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/backend_sdl.h"
#include "platform/win.h"
#include "tests/support/bmp_writer.h"
#include "tests/support/headless.h"
#include "tests/support/midi_writer.h"

namespace {

class SdlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    // Mesa's GL drivers lose memory at exit that the sanitizer builds would report as ours; draw
    // with SDL's own software renderer, on a plain framebuffer.
    setenv("SDL_RENDER_DRIVER", "software", 1);
    setenv("SDL_FRAMEBUFFER_ACCELERATION", "0", 1);
    backend_ = new SdlBackend();
    SetBackend(backend_);
    DrainQueue();
  }
  void TearDown() override {
    DrainQueue();
    SetBackend(&TestBackend());
    delete backend_;
  }
  static void DrainQueue() {
    MSG msg;
    while (PeekMessageA(&msg)) GetMessageA(&msg);
  }
  static void PushKey(SDL_Scancode code, SDL_Keycode sym, uint16_t mod) {
    SDL_Event event = {};
    event.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.scancode = code;
    event.key.keysym.sym = sym;
    event.key.keysym.mod = mod;
    SDL_PushEvent(&event);
  }
  SdlBackend* backend_ = nullptr;
};

TEST_F(SdlTest, WindowOpensFullScreenWithoutPointer) {
  ASSERT_TRUE(CreateGameWindow("Direct X", nullptr));
  EXPECT_TRUE(backend_->Fullscreen());
  EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
  // Opening again (the display mode after the window) keeps the same window.
  EXPECT_TRUE(backend_->OpenWindow("Direct X"));
}

TEST_F(SdlTest, FramesReachTheScreen) {
  ASSERT_TRUE(backend_->OpenWindow("Direct X"));
  std::vector<uint16_t> frame(640 * 480, 0x07E0);
  backend_->ShowPrimary(frame.data(), 640, 480, true);
  backend_->ShowPrimary(frame.data(), 640, 480, false);
  EXPECT_EQ(backend_->PresentCount(), 1);
}

TEST_F(SdlTest, EscapeBecomesAKeyDownMessage) {
  ASSERT_TRUE(backend_->OpenWindow("Direct X"));
  PushKey(SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, KMOD_NONE);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg));
  EXPECT_EQ(msg.message, WM_KEYDOWN);
  EXPECT_EQ(msg.wParam, VK_ESCAPE);
}

TEST_F(SdlTest, OtherKeysAreNotQueued) {
  ASSERT_TRUE(backend_->OpenWindow("Direct X"));
  PushKey(SDL_SCANCODE_SPACE, SDLK_SPACE, KMOD_NONE);
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg));
}

TEST_F(SdlTest, AltEnterSwitchesBetweenWindowAndFullScreenUnseenByTheGame) {
  ASSERT_TRUE(backend_->OpenWindow("Direct X"));
  PushKey(SDL_SCANCODE_RETURN, SDLK_RETURN, KMOD_LALT);
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg));
  EXPECT_FALSE(backend_->Fullscreen());
  PushKey(SDL_SCANCODE_RETURN, SDLK_RETURN, KMOD_RALT);
  EXPECT_FALSE(PeekMessageA(&msg));
  EXPECT_TRUE(backend_->Fullscreen());
}

TEST_F(SdlTest, QuitRequestBecomesOneCloseMessage) {
  ASSERT_TRUE(backend_->OpenWindow("Direct X"));
  SDL_Event event = {};
  event.type = SDL_QUIT;
  SDL_PushEvent(&event);
  SDL_PushEvent(&event);
  MSG msg;
  ASSERT_TRUE(GetMessageA(&msg));
  EXPECT_EQ(msg.message, WM_CLOSE);
  EXPECT_FALSE(PeekMessageA(&msg));
}

TEST_F(SdlTest, TuneEndsAndCanStartAgain) {
  ASSERT_TRUE(backend_->OpenAudio());
  std::string path = "/tmp/kobako_sdl_test_" + std::to_string(getpid()) + ".mid";
  ASSERT_TRUE(WriteFile(path, MakeOneNoteMidi(200)));
  bool opened = backend_->OpenMusic(path);
  std::remove(path.c_str());
  if (!opened) GTEST_SKIP() << "no MIDI synthesiser: " << Mix_GetError();
  EXPECT_FALSE(backend_->MusicPlaying());
  backend_->PlayMusicFromStart();
  EXPECT_TRUE(backend_->MusicPlaying());
  uint32_t start = SDL_GetTicks();
  while (backend_->MusicPlaying() && SDL_GetTicks() - start < 5000) SDL_Delay(10);
  EXPECT_FALSE(backend_->MusicPlaying());
  backend_->PlayMusicFromStart();
  EXPECT_TRUE(backend_->MusicPlaying());
}

TEST_F(SdlTest, MissingTuneIsSilentNotAnError) {
  ASSERT_TRUE(backend_->OpenAudio());
  EXPECT_FALSE(backend_->OpenMusic("/nonexistent/kel.mid"));
  backend_->PlayMusicFromStart();
  EXPECT_FALSE(backend_->MusicPlaying());
}

}  // namespace
