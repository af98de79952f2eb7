// MyDSound: the game's sound device with its primary buffer in CD format. The table of sound
// buffers has room for eight effects with seven overlapping copies each; this game plays none.
#pragma once
#include "platform/dsound.h"

constexpr int SOUND_COUNT = 8;
constexpr int SOUND_COPIES = 8;

struct SoundEntry {
  LPDIRECTSOUNDBUFFER Buffer[SOUND_COPIES];  // the sound, then its duplicates
  int Copies;
};

class MyDSound {
 public:
  MyDSound();
  ~MyDSound();
  MyDSound(const MyDSound&) = delete;
  MyDSound& operator=(const MyDSound&) = delete;

  // Opens the device for the window; the result is that of the last step.
  HRESULT Init(int window);
  void Log(const char* text);

  LPDIRECTSOUNDBUFFER lpPrimary;
  LPDIRECTSOUND lpDS;
  SoundEntry Sound[SOUND_COUNT];
};
