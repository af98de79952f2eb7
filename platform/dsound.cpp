#include "platform/dsound.h"

#include "platform/backend.h"

HRESULT DirectSoundBuffer::SetFormat(const WAVEFORMATEX* format) {
  if (format == nullptr || !primary_) return DSERR_GENERIC;
  bool cdFormat = format->wFormatTag == WAVE_FORMAT_PCM && format->nChannels == 2 &&
                  format->nSamplesPerSec == 44100 && format->wBitsPerSample == 16 &&
                  format->nBlockAlign == 4 && format->nAvgBytesPerSec == 176400;
  return cdFormat ? DD_OK : DSERR_GENERIC;
}

void DirectSoundBuffer::Release() {
  delete this;
}

HRESULT DirectSound::SetCooperativeLevel(int, DWORD) {
  return DD_OK;
}

HRESULT DirectSound::CreateSoundBuffer(const DSBUFFERDESC* desc, LPDIRECTSOUNDBUFFER* out) {
  if (out == nullptr) return DSERR_GENERIC;
  *out = nullptr;
  if (desc == nullptr) return DSERR_GENERIC;
  bool primary = (desc->dwFlags & DSBCAPS_PRIMARYBUFFER) != 0;
  // Only the primary buffer is supported: the game makes no other.
  if (!primary) return DSERR_GENERIC;
  *out = new DirectSoundBuffer(primary);
  return DD_OK;
}

void DirectSound::Release() {
  if (!CurrentBackend().MusicPlaying()) CurrentBackend().CloseAudio();
  delete this;
}

HRESULT DirectSoundCreate(LPDIRECTSOUND* out) {
  if (out == nullptr) return DSERR_GENERIC;
  *out = nullptr;
  if (!CurrentBackend().OpenAudio()) return DSERR_GENERIC;
  *out = new DirectSound;
  return DD_OK;
}
