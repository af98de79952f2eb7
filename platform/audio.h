// The audio device, 44,100 Hz, 16-bit, stereo: the tune plays through it.
#pragma once

class AudioDevice {
 public:
  AudioDevice() = default;
  // Closes the device, unless the tune still plays through it.
  ~AudioDevice() { Close(); }
  AudioDevice(const AudioDevice&) = delete;
  AudioDevice& operator=(const AudioDevice&) = delete;

  // False when there is no device.
  bool Open();
  void Close();
  bool IsOpen() const { return open_; }

 private:
  bool open_ = false;
};
