// The desktop backend: an SDL2 window showing the 640 x 480 picture sharp at any size, the
// keyboard and any game controllers, and the tune synthesised ahead and played through SDL2_mixer.
#pragma once
#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/desktop_pacing.h"
#include "platform/picture_scaler.h"
#include "platform/tune_synth.h"

struct SdlDeleter {
  void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
  void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
  void operator()(SDL_GameController* pad) const { SDL_GameControllerClose(pad); }
};
template <typename T>
using SdlPtr = std::unique_ptr<T, SdlDeleter>;

class SdlBackend : public Backend {
 public:
  SdlBackend();
  ~SdlBackend() override;
  SdlBackend(const SdlBackend&) = delete;
  SdlBackend& operator=(const SdlBackend&) = delete;

  bool OpenWindow() override;
  void CloseWindow() override;
  void ShowCursor(bool show) override;
  void ShowPrimary(const uint16_t* pixels, int width, int height, bool isPresent,
                   const ScreenRect* changed) override;
  uint32_t Clock() override { return SDL_GetTicks(); }
  void Rest(uint32_t ms) override { SDL_Delay(ms); }
  bool KeyDown(Key key) override;
  void PumpMessages(uint32_t waitMs) override;
  bool OpenAudio() override;
  void CloseAudio() override;
  bool OpenMusic(const std::string& path) override;
  void PlayMusicFromStart() override;
  bool MusicPlaying() override;
  void DebugLine(const char* text) override;
  std::string WindowFailure() const override { return windowFailure_; }

  // For the smoke tests and the measurements.
  int PresentCount() const { return presents_; }
  bool Fullscreen() const;
  SDL_Window* Window() const { return window_.get(); }

 private:
  void SetIcon();
  // The library's reason on the debug output; NoWindow keeps it for the line without a display.
  void Failed(const char* what, const std::string& why);
  bool NoWindow(const std::string& why);
  void StopTune();
  void OpenControllers();
  void HandleEvent(const SDL_Event& event);
  void ToggleFullscreen();
  void ShowBlack();
  // Puts `part` of the last picture (all of it: the black bars too) on the window.
  void Render(const ScreenRect& part);

  bool videoReady_ = false;
  bool audioReady_ = false;
  bool closePosted_ = false;
  static constexpr uint32_t kLookEveryMs = 5;
  uint32_t lastLook_ = 0;  // when the desktop's events were last looked at
  std::string windowFailure_;
  std::string soundFont_;  // empty: the tune cannot be played
  bool debugToStderr_ = false;
  bool hasPicture_ = false;
  std::atomic<int> presents_{0};  // read by test timers on other threads
  SdlPtr<SDL_Window> window_;
  std::vector<uint16_t> shown_;            // the frame on screen, to send only what changes
  std::unique_ptr<PictureScaler> scaler_;  // for the window's current size
  int scalerWidth_ = 0;
  int scalerHeight_ = 0;
  std::vector<uint32_t> scratch_;          // for a window surface of another pixel format
  std::unique_ptr<SynthesisedTune> tune_;  // played through the mixer's music hook
  std::map<SDL_JoystickID, SdlPtr<SDL_GameController>> pads_;  // every controller plugged in
  DesktopPacing pacing_;  // present log and scripted keys, when asked for
};
