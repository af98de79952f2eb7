#include "sound/mydsound.h"

#include "platform/win.h"

MyDSound::MyDSound() {
  Log("\n----- ＜MyDSound作成＞ -----");
  lpPrimary = nullptr;
  lpDS = nullptr;
  for (SoundEntry& entry : Sound) {
    for (LPDIRECTSOUNDBUFFER& buffer : entry.Buffer) buffer = nullptr;
    entry.Copies = 0;
  }
}

MyDSound::~MyDSound() {
  Log("\n----- ＜MyDSound破棄＞ -----");
  if (lpPrimary != nullptr) {
    lpPrimary->Release();
    lpPrimary = nullptr;
  }
  for (SoundEntry& entry : Sound) {
    for (LPDIRECTSOUNDBUFFER& buffer : entry.Buffer) {
      if (buffer != nullptr) {
        buffer->Release();
        buffer = nullptr;
      }
    }
  }
  if (lpDS != nullptr) {
    lpDS->Release();
    lpDS = nullptr;
  }
}

HRESULT MyDSound::Init(int window) {
  HRESULT result = DirectSoundCreate(&lpDS);
  // Without a sound device the game runs on silently.
  if (lpDS == nullptr) return result;
  lpDS->SetCooperativeLevel(window, DSSCL_PRIORITY);

  DSBUFFERDESC desc = {};
  desc.dwSize = 20;  // the size the description record gives for itself
  desc.dwFlags = DSBCAPS_PRIMARYBUFFER | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME;
  desc.dwBufferBytes = 0;
  desc.lpwfxFormat = nullptr;
  result = lpDS->CreateSoundBuffer(&desc, &lpPrimary);
  if (lpPrimary == nullptr) return result;

  WAVEFORMATEX format = {};
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = 2;
  format.nSamplesPerSec = 44100;
  format.wBitsPerSample = 16;
  format.nBlockAlign = 4;
  format.nAvgBytesPerSec = 176400;
  return lpPrimary->SetFormat(&format);
}

void MyDSound::Log(const char* text) {
  OutputDebugLine(text);
}
