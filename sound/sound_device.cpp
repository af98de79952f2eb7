#include "sound/sound_device.h"

#include "platform/debug.h"

SoundDevice::SoundDevice() {
  Log("\n----- ＜MyDSound作成＞ -----");
}

SoundDevice::~SoundDevice() {
  Log("\n----- ＜MyDSound破棄＞ -----");
  audio_.Close();
}

bool SoundDevice::Init() {
  return audio_.Open();
}

void SoundDevice::Log(const char* text) {
  DebugLine(text);
}
