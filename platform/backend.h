// What differs between running on a real desktop and running headless. The game never sees
// this: it calls the platform's own words (screen, keys, events, tune, clock, debug output),
// which forward here.
#pragma once
#include <cstdint>
#include <string>

#include "platform/frame_change.h"
#include "platform/keys.h"

class Backend {
 public:
  virtual ~Backend() = default;
  // The game's window, "kobako" with the game's icon, full-screen desktop, 640 x 480 logical;
  // false when no display.
  virtual bool OpenWindow() = 0;
  virtual void CloseWindow() = 0;
  // Why the window could not be opened, in the display library's words; empty when unknown.
  virtual std::string WindowFailure() const { return std::string(); }
  virtual void ShowCursor(bool show) = 0;
  // The screen changed; isPresent marks a whole back-buffer copy (one frame). `changed`,
  // when known, is the part that differs from the pixels of the call before; null means unknown.
  virtual void ShowPrimary(const uint16_t* pixels, int width, int height, bool isPresent,
                           const ScreenRect* changed) = 0;
  virtual uint32_t Clock() = 0;
  virtual void Rest(uint32_t ms) = 0;
  virtual bool KeyDown(Key key) = 0;
  // Moves pending desktop events into the game's event queue (events.cpp); when there were none,
  // may rest up to waitMs.
  virtual void PumpMessages(uint32_t waitMs) = 0;
  // An idle turn of a loop that waits on the clock: the events go on flowing meanwhile.
  virtual void Idle(uint32_t ms) { PumpMessages(ms); }
  // Opens the audio device: 44,100 Hz, 16-bit, stereo.
  virtual bool OpenAudio() = 0;
  virtual void CloseAudio() = 0;
  virtual bool OpenMusic(const std::string& path) = 0;
  virtual void PlayMusicFromStart() = 0;
  // True while the opened tune plays; meaningless when none is open.
  virtual bool MusicPlaying() = 0;
  virtual void DebugLine(const char* text) = 0;
  // True when work the game does beside its frames (the hint's search) is to be finished within
  // the frame that asks for it, so that a run repeats exactly: the headless backend.
  virtual bool WorkWithinFrame() const { return false; }
};

// The backend in use; set once by the program entry (real) or by the headless runner and tests.
void SetBackend(Backend* backend);
Backend& CurrentBackend();
