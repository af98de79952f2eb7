// SoundDevice: the game's sound device, opened in CD format (44,100 Hz, 16-bit, stereo). It has
// room for eight sound effects with seven overlapping copies each; this game plays none, so the
// table stays empty.
#pragma once
#include "platform/audio.h"

constexpr int SOUND_COUNT = 8;
constexpr int SOUND_COPIES = 8;

class SoundDevice {
 public:
  SoundDevice();
  ~SoundDevice();
  SoundDevice(const SoundDevice&) = delete;
  SoundDevice& operator=(const SoundDevice&) = delete;

  // Opens the device; false when there is none, and the game runs on silently.
  bool Init();
  bool IsOpen() const { return audio_.IsOpen(); }
  void Log(const char* text);

 private:
  AudioDevice audio_;
};
