// The desktop backend on SDL's invisible display and silent audio device.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/backend_sdl.h"
#include "platform/events.h"
#include "platform/keys.h"
#include "platform/screen.h"
#include "tests/support/bmp_writer.h"
#include "tests/support/headless.h"
#include "tests/support/midi_writer.h"
#include "tests/support/offscreen_desktop.h"

namespace {

class SdlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseOffscreenDesktop();
    backend_ = new SdlBackend();
    SetBackend(backend_);
    ClearEvents();
  }
  void TearDown() override {
    ClearEvents();
    SetBackend(&TestBackend());
    delete backend_;
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
  ASSERT_TRUE(OpenGameWindow());
  EXPECT_TRUE(backend_->Fullscreen());
  EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
  // Opening again (the screen after the game window) keeps the same window.
  EXPECT_TRUE(backend_->OpenWindow());
}

TEST_F(SdlTest, FramesReachTheScreen) {
  ASSERT_TRUE(backend_->OpenWindow());
  std::vector<uint16_t> frame(640 * 480, 0x07E0);
  backend_->ShowPrimary(frame.data(), 640, 480, true, nullptr);
  backend_->ShowPrimary(frame.data(), 640, 480, false, nullptr);
  EXPECT_EQ(backend_->PresentCount(), 1);
}

// The colour at (x, y) of what the window shows.
uint32_t ScreenPixel(SDL_Window* window, int x, int y) {
  SDL_Surface* screen = SDL_GetWindowSurface(window);
  uint32_t pixel = 0;
  std::memcpy(
      &pixel,
      static_cast<uint8_t*>(screen->pixels) + y * screen->pitch + x * screen->format->BytesPerPixel,
      screen->format->BytesPerPixel);
  uint8_t r = 0, g = 0, b = 0;
  SDL_GetRGB(pixel, screen->format, &r, &g, &b);
  return static_cast<uint32_t>(r) << 16 | g << 8 | b;
}

TEST_F(SdlTest, PictureFillsTheWindowKeepingItsShape) {
  ASSERT_TRUE(backend_->OpenWindow());
  SDL_Window* window = backend_->Window();
  SDL_SetWindowFullscreen(window, 0);
  SDL_SetWindowSize(window, 1000, 600);  // wider than 4:3, and 1.25 times the picture
  // Left half red, right half blue.
  std::vector<uint16_t> frame(640 * 480);
  for (int i = 0; i < 640 * 480; ++i) frame[i] = (i % 640) < 320 ? 0xF800 : 0x001F;
  backend_->ShowPrimary(frame.data(), 640, 480, true, nullptr);
  int width = 0;
  int height = 0;
  SDL_GetWindowSizeInPixels(window, &width, &height);
  ASSERT_EQ(height, 600);
  const int bar = (width - 800) / 2;  // the picture is 800 x 600, centred
  ASSERT_GT(bar, 4);
  EXPECT_EQ(ScreenPixel(window, bar / 2, 300), 0x000000u);
  EXPECT_EQ(ScreenPixel(window, bar + 4, 300), 0xFF0000u);
  EXPECT_EQ(ScreenPixel(window, bar + 395, 300), 0xFF0000u);
  EXPECT_EQ(ScreenPixel(window, bar + 405, 300), 0x0000FFu);
  EXPECT_EQ(ScreenPixel(window, bar + 795, 599), 0x0000FFu);
  EXPECT_EQ(ScreenPixel(window, width - bar / 2, 300), 0x000000u);
}

TEST_F(SdlTest, WholeMultipleKeepsEveryPixelSharp) {
  ASSERT_TRUE(backend_->OpenWindow());
  SDL_Window* window = backend_->Window();
  SDL_SetWindowFullscreen(window, 0);
  SDL_SetWindowSize(window, 1280, 960);
  // A checkerboard of single pixels: any blur would mix the two colours.
  std::vector<uint16_t> frame(640 * 480);
  for (int i = 0; i < 640 * 480; ++i) frame[i] = ((i % 640) + (i / 640)) % 2 ? 0xFFFF : 0x0000;
  backend_->ShowPrimary(frame.data(), 640, 480, true, nullptr);
  int width = 0;
  int height = 0;
  SDL_GetWindowSizeInPixels(window, &width, &height);
  if (width != 1280 || height != 960) GTEST_SKIP() << "display too small for 1280 x 960";
  EXPECT_EQ(ScreenPixel(window, 200, 100), 0x000000u);
  EXPECT_EQ(ScreenPixel(window, 201, 101), 0x000000u);
  EXPECT_EQ(ScreenPixel(window, 202, 100), 0xFFFFFFu);
  EXPECT_EQ(ScreenPixel(window, 203, 101), 0xFFFFFFu);
}

// Only the part of a frame that changed is sent to the window; what the window then shows is what
// drawing the whole frame again gives, at a size where the filter mixes neighbouring pixels. The
// frames arrive as the game sends them: a whole frame presented on the screen.
TEST_F(SdlTest, ChangedPartLeavesTheWindowAsAWholeRedrawWould) {
  ASSERT_TRUE(backend_->OpenWindow());
  SDL_Window* window = backend_->Window();
  SDL_SetWindowFullscreen(window, 0);
  SDL_SetWindowSize(window, 1000, 600);
  Screen screen;
  ASSERT_TRUE(screen.Open());
  Surface back(640, 480);
  uint16_t* frame = back.Pixels();
  for (int i = 0; i < 640 * 480; ++i) frame[i] = static_cast<uint16_t>(i * 2654435761u >> 16);
  screen.Present(back);
  for (int y = 53; y < 62; ++y) {
    for (int x = 101; x < 118; ++x) frame[y * 640 + x] = static_cast<uint16_t>(~frame[y * 640 + x]);
  }
  screen.Present(back);
  ASSERT_TRUE(std::equal(frame, frame + 640 * 480, screen.Shown().Pixels()));
  auto shown = [window] {
    SDL_Surface* screen = SDL_GetWindowSurface(window);
    const auto* bytes = static_cast<const uint8_t*>(screen->pixels);
    return std::vector<uint8_t>(bytes, bytes + screen->pitch * screen->h);
  };
  const std::vector<uint8_t> changed = shown();
  SDL_Event expose = {};
  expose.type = SDL_WINDOWEVENT;
  expose.window.event = SDL_WINDOWEVENT_EXPOSED;
  expose.window.windowID = SDL_GetWindowID(window);
  SDL_PushEvent(&expose);
  backend_->PumpMessages(0);
  EXPECT_TRUE(changed == shown());
  // And what drawing the frame afresh, after an inverted one, gives.
  std::vector<uint16_t> inverted(frame, frame + 640 * 480);
  for (uint16_t& pixel : inverted) pixel = static_cast<uint16_t>(~pixel);
  backend_->ShowPrimary(inverted.data(), 640, 480, true, nullptr);
  backend_->ShowPrimary(frame, 640, 480, true, nullptr);
  EXPECT_TRUE(changed == shown());
}

TEST_F(SdlTest, EscapeBecomesAnEscapeEvent) {
  ASSERT_TRUE(backend_->OpenWindow());
  PushKey(SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, KMOD_NONE);
  ASSERT_TRUE(EventWaiting());
  EXPECT_EQ(TakeEvent(), GameEvent::Escape);
  EXPECT_FALSE(CloseRequested());
}

TEST_F(SdlTest, OtherKeysAreNotQueued) {
  ASSERT_TRUE(backend_->OpenWindow());
  PushKey(SDL_SCANCODE_SPACE, SDLK_SPACE, KMOD_NONE);
  EXPECT_FALSE(EventWaiting());
}

TEST_F(SdlTest, AltEnterSwitchesBetweenWindowAndFullScreenUnseenByTheGame) {
  ASSERT_TRUE(backend_->OpenWindow());
  PushKey(SDL_SCANCODE_RETURN, SDLK_RETURN, KMOD_LALT);
  EXPECT_FALSE(EventWaiting());
  EXPECT_FALSE(backend_->Fullscreen());
  PushKey(SDL_SCANCODE_RETURN, SDLK_RETURN, KMOD_RALT);
  EXPECT_FALSE(EventWaiting());
  EXPECT_TRUE(backend_->Fullscreen());
}

TEST_F(SdlTest, QuitRequestBecomesOneCloseEvent) {
  ASSERT_TRUE(backend_->OpenWindow());
  SDL_Event event = {};
  event.type = SDL_QUIT;
  SDL_PushEvent(&event);
  SDL_PushEvent(&event);
  EXPECT_EQ(TakeEvent(), GameEvent::Close);
  EXPECT_FALSE(EventWaiting());
}

TEST_F(SdlTest, ControllersPluggedInBeforeOrDuringPlayHoldKeysUntilPulledOut) {
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");  // the invisible window has no focus
  SDL_InitSubSystem(SDL_INIT_JOYSTICK);                         // to plug one in before the start
  auto plugIn = [] {
    int device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER,
                                           SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
    return device < 0 ? nullptr : SDL_JoystickOpen(device);
  };
  SDL_Joystick* before = plugIn();
  ASSERT_NE(before, nullptr) << SDL_GetError();
  ASSERT_TRUE(backend_->OpenWindow());
  std::vector<uint16_t> frame(640 * 480);
  backend_->ShowPrimary(frame.data(), 640, 480, true, nullptr);
  SDL_Joystick* during = plugIn();
  ASSERT_NE(during, nullptr) << SDL_GetError();
  backend_->PumpMessages(0);
  SDL_JoystickSetVirtualButton(before, SDL_CONTROLLER_BUTTON_A, SDL_PRESSED);
  SDL_JoystickSetVirtualButton(during, SDL_CONTROLLER_BUTTON_START, SDL_PRESSED);
  SDL_JoystickSetVirtualAxis(during, SDL_CONTROLLER_AXIS_LEFTX, -20000);
  backend_->PumpMessages(0);
  EXPECT_TRUE(backend_->KeyDown(Key::Space));
  EXPECT_TRUE(backend_->KeyDown(Key::Shift));
  EXPECT_TRUE(backend_->KeyDown(Key::Left));
  EXPECT_FALSE(backend_->KeyDown(Key::Right));
  SDL_JoystickClose(during);
  SDL_JoystickDetachVirtual(1);
  backend_->PumpMessages(0);
  EXPECT_TRUE(backend_->KeyDown(Key::Space));
  EXPECT_FALSE(backend_->KeyDown(Key::Shift));
  EXPECT_FALSE(backend_->KeyDown(Key::Left));
  SDL_JoystickClose(before);
  SDL_JoystickDetachVirtual(0);
  backend_->PumpMessages(0);
  EXPECT_FALSE(backend_->KeyDown(Key::Space));
  EXPECT_FALSE(EventWaiting());  // pulling them out is no event to the game
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
