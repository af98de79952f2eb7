// A backend without window or audio: a virtual clock, scripted keys, the debug lines kept in
// memory and the last primary picture kept for inspection. Runs are deterministic.
#pragma once
#include <cstdint>
#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/gamepad.h"

class HeadlessBackend : public Backend {
 public:
  bool OpenWindow() override;
  void CloseWindow() override { windowOpen_ = false; }
  void ShowCursor(bool show) override { cursorShown_ = show; }
  void ShowPrimary(const uint16_t* pixels, int width, int height, bool isPresent,
                   const ScreenRect* changed) override;
  // Every read moves the clock on by 1 ms, so loops that wait on the clock always progress.
  uint32_t Clock() override { return now_++; }
  void Rest(uint32_t ms) override { now_ += ms; }
  bool KeyDown(Key key) override { return keys_.count(key) != 0 || PadHoldsKey(pad_, key); }
  void PumpMessages(uint32_t) override {}
  bool WorkWithinFrame() const override { return true; }
  // Waiting takes no virtual time: loops that wait on the clock move it on by reading it, so
  // their frames come exactly as without the wait.
  void Idle(uint32_t) override {}
  bool OpenAudio() override;
  void CloseAudio() override { audioOpen_ = false; }
  bool OpenMusic(const std::string& path) override;
  void PlayMusicFromStart() override;
  bool MusicPlaying() override { return musicPlaying_; }
  void DebugLine(const char* text) override;

  // Scripting and inspection.
  void SetClock(uint32_t now) { now_ = now; }
  uint32_t PeekClock() const { return now_; }
  void SetKeyDown(Key key, bool down);
  void ReleaseAllKeys() { keys_.clear(); }
  // The game controller's controls held (PadControl bits), replacing those held before.
  void SetPadControls(unsigned held) { pad_ = held; }
  const std::vector<std::string>& DebugLines() const { return debugLines_; }
  void ClearDebugLines() { debugLines_.clear(); }
  void SetEchoDebug(bool echo) { echoDebug_ = echo; }
  int PresentCount() const { return presents_; }
  // Writes a line to log for every picture shown, debug line and start of the tune, in the order
  // they happen (the format is in docs/DEVELOPING.md); null stops it. The caller keeps the file.
  void SetFrameLog(std::FILE* log);
  void SetPresentHook(std::function<void(int presentCount)> hook) { presentHook_ = hook; }
  // The last picture shown on the primary surface (RGB565, row after row).
  const std::vector<uint16_t>& PrimaryPixels() const { return primary_; }
  int PrimaryWidth() const { return width_; }
  int PrimaryHeight() const { return height_; }
  // Writes the last picture shown as a PNG file; a failure puts the library's reason on the debug
  // output.
  bool SavePng(const std::string& path);
  // The tune reaching its end.
  void FinishMusic() { musicPlaying_ = false; }
  int MusicStarts() const { return musicStarts_; }
  const std::string& MusicPath() const { return musicPath_; }
  bool WindowOpen() const { return windowOpen_; }
  // A machine without a display: the window cannot be opened.
  void SetDisplayAvailable(bool available) { displayAvailable_ = available; }
  bool CursorShown() const { return cursorShown_; }
  bool AudioOpen() const { return audioOpen_; }
  // Back to the state of a fresh backend (tests share one per process).
  void Reset();

 private:
  uint32_t now_ = 0;
  std::set<Key> keys_;
  unsigned pad_ = 0;
  std::vector<std::string> debugLines_;
  bool echoDebug_ = false;
  int presents_ = 0;
  std::function<void(int)> presentHook_;
  std::vector<uint16_t> primary_;
  int width_ = 0;
  int height_ = 0;
  bool displayAvailable_ = true;
  bool windowOpen_ = false;
  bool cursorShown_ = true;
  bool audioOpen_ = false;
  bool musicOpen_ = false;
  bool musicPlaying_ = false;
  int musicStarts_ = 0;
  std::string musicPath_;
  std::FILE* frameLog_ = nullptr;
  uint64_t primaryHash_ = 0;  // of primary_, while a frame log is written

  bool PngNotSaved(const std::string& path);
};
