#include "platform/audio.h"

#include "platform/backend.h"

bool AudioDevice::Open() {
  if (!open_) open_ = CurrentBackend().OpenAudio();
  return open_;
}

void AudioDevice::Close() {
  if (!open_) return;
  open_ = false;
  if (!CurrentBackend().MusicPlaying()) CurrentBackend().CloseAudio();
}
