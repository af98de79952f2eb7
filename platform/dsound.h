// A DirectSound-shaped front to the audio device: the game only opens it with a primary buffer
// in CD format and closes it again; it never plays a sound effect.
#pragma once
#include <cstdint>

#include "platform/types.h"

constexpr HRESULT DSERR_GENERIC = -2;
constexpr DWORD DSSCL_PRIORITY = 2;
constexpr DWORD DSBCAPS_PRIMARYBUFFER = 0x01;
constexpr DWORD DSBCAPS_CTRLPAN = 0x40;
constexpr DWORD DSBCAPS_CTRLVOLUME = 0x80;
constexpr uint16_t WAVE_FORMAT_PCM = 1;

struct WAVEFORMATEX {
  uint16_t wFormatTag;
  uint16_t nChannels;
  uint32_t nSamplesPerSec;
  uint32_t nAvgBytesPerSec;
  uint16_t nBlockAlign;
  uint16_t wBitsPerSample;
  uint16_t cbSize;
};

struct DSBUFFERDESC {
  DWORD dwSize;
  DWORD dwFlags;
  DWORD dwBufferBytes;
  DWORD dwReserved;
  WAVEFORMATEX* lpwfxFormat;
};

class DirectSoundBuffer {
 public:
  explicit DirectSoundBuffer(bool primary) : primary_(primary) {}
  // The device runs at 44,100 Hz, 16 bits, stereo; a primary buffer accepts only that.
  HRESULT SetFormat(const WAVEFORMATEX* format);
  void Release();

 private:
  bool primary_;
};
typedef DirectSoundBuffer* LPDIRECTSOUNDBUFFER;

class DirectSound {
 public:
  HRESULT SetCooperativeLevel(int window, DWORD level);
  HRESULT CreateSoundBuffer(const DSBUFFERDESC* desc, LPDIRECTSOUNDBUFFER* out);
  // Closes the device, unless the background tune still plays through it.
  void Release();
};
typedef DirectSound* LPDIRECTSOUND;

// Opens the default audio device; null and an error when there is none.
HRESULT DirectSoundCreate(LPDIRECTSOUND* out);
