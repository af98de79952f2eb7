// The tune, synthesised once on a thread of its own from the moment it is opened (about two
// seconds of one core for the game's own), kept for the next run in the player's cache folder,
// and played from memory: playing costs nothing, and the loop is sample-exact.
#pragma once
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class SynthesisedTune {
 public:
  // The longest tune kept; a longer one loops at this point.
  static constexpr int kMaxSeconds = 300;
  // The notes still sounding at the tune's end, laid over the start of the next pass.
  static constexpr int kMaxTailSeconds = 10;

  SynthesisedTune();
  ~SynthesisedTune();
  SynthesisedTune(const SynthesisedTune&) = delete;
  SynthesisedTune& operator=(const SynthesisedTune&) = delete;

  // Opens the synthesiser with `soundFont`, reads the MIDI file in `midi` and starts
  // synthesising at `rate` frames a second. False, with the reason in *why, when it cannot.
  bool Start(const std::vector<char>& midi, const std::string& soundFont, int rate,
             std::string* why);

  // The audio thread: `frames` stereo frames from the play position, silence when stopped.
  void Fill(int16_t* out, int frames);
  // From the top; just after the end (the next pass has already begun) it plays on.
  void PlayFromStart();
  // True from a start until the tune reaches its end.
  bool Playing() const;

 private:
  static constexpr int kBlockFrames = 1 << 16;
  struct Synth;

  void Synthesise();
  int16_t* Frame(int64_t index) const;
  int64_t Rendered() const { return rendered_.load(std::memory_order_acquire); }

  std::unique_ptr<Synth> synth_;
  std::string cachePath_;  // where the finished tune is kept for the next run
  int rate_ = 0;
  std::vector<std::unique_ptr<int16_t[]>> blocks_;  // sized once; filled by the thread
  std::atomic<int64_t> rendered_{0};                // frames ready, in order
  std::atomic<int64_t> length_{-1};                 // frames up to the last event, once known
  std::atomic<bool> stop_{false};
  std::thread thread_;

  mutable std::mutex playMutex_;  // the play position, shared with the audio thread
  bool started_ = false;
  bool ended_ = false;  // the end was reached and no one has asked for the top since
  int64_t position_ = 0;
  bool looped_ = false;  // past the first pass: the tail of the last one sounds on
};
