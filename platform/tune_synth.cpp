#include "platform/tune_synth.h"

#include <fluidsynth.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

#include "platform/backend.h"
#include "platform/tune_cache.h"

namespace {

// FluidSynth's loudness at full music volume, as the game has always played it.
constexpr float kGain = 1.2f;
// One step of the synthesiser: the player's clock moves on in steps this long.
constexpr int kStepFrames = 64;
// A tune shorter than this cannot be a tune: it plays once and is not looped.
constexpr int kShortestLoopMs = 250;

// The synthesiser's complaints belong in the debug output, not on the player's terminal.
void LogToDebugOutput(int, const char* message, void*) {
  CurrentBackend().DebugLine((std::string("kobako: synthesiser: ") + message + "\n").c_str());
}

void QuietenSynthesiserLog() {
  for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level) {
    fluid_set_log_function(level, level == FLUID_DBG ? nullptr : LogToDebugOutput, nullptr);
  }
}

}  // namespace

struct SynthesisedTune::Synth {
  ~Synth() {
    if (player != nullptr) delete_fluid_player(player);
    if (synth != nullptr) delete_fluid_synth(synth);
    if (settings != nullptr) delete_fluid_settings(settings);
  }
  fluid_settings_t* settings = nullptr;
  fluid_synth_t* synth = nullptr;
  fluid_player_t* player = nullptr;
  int totalTicks = 0;
};

SynthesisedTune::SynthesisedTune() = default;

SynthesisedTune::~SynthesisedTune() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

bool SynthesisedTune::Start(const std::vector<char>& midi, const std::string& soundFont, int rate,
                            std::string* why) {
  QuietenSynthesiserLog();
  rate_ = rate;
  const int64_t capacity = int64_t{kMaxSeconds + kMaxTailSeconds} * rate;
  blocks_.resize(static_cast<size_t>(capacity / kBlockFrames + 1));
  // Synthesised on an earlier run: nothing to do but read it.
  cachePath_ = TuneCachePath(midi, soundFont, rate);
  int64_t keptFrames = 0;
  int64_t keptLength = 0;
  if (ReadTuneCache(cachePath_, capacity, kBlockFrames, &blocks_, &keptFrames, &keptLength)) {
    rendered_ = keptFrames;
    length_ = keptLength;
    return true;
  }
  auto synth = std::make_unique<Synth>();
  synth->settings = new_fluid_settings();
  if (synth->settings == nullptr) return *why = "no synthesiser settings", false;
  fluid_settings_setnum(synth->settings, "synth.sample-rate", rate);
  synth->synth = new_fluid_synth(synth->settings);
  if (synth->synth == nullptr) return *why = "no synthesiser", false;
  fluid_synth_set_gain(synth->synth, kGain);
  if (fluid_synth_sfload(synth->synth, soundFont.c_str(), 1) == FLUID_FAILED) {
    return *why = "the sound font " + soundFont + " cannot be read", false;
  }
  synth->player = new_fluid_player(synth->synth);
  if (synth->player == nullptr ||
      fluid_player_add_mem(synth->player, midi.data(), midi.size()) != FLUID_OK ||
      fluid_player_play(synth->player) != FLUID_OK) {
    return *why = "no MIDI player", false;
  }
  synth_ = std::move(synth);
  // The player reads the file on its first step: a file it cannot read ends the tune there.
  Synthesise();
  if (length_.load() == 0 || synth_->totalTicks <= 0) {
    return *why = "not a MIDI tune", false;
  }
  thread_ = std::thread([this] {
    // Behind the game's frames, never in their way.
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 10);
    while (!stop_ && synth_ != nullptr) Synthesise();
  });
  return true;
}

int16_t* SynthesisedTune::Frame(int64_t index) const {
  return blocks_[static_cast<size_t>(index / kBlockFrames)].get() + 2 * (index % kBlockFrames);
}

// One step of the synthesiser into memory; at the end of the tune and of its tail, the
// synthesiser (and the sound font it holds) is let go.
void SynthesisedTune::Synthesise() {
  const int64_t at = rendered_.load(std::memory_order_relaxed);
  const int rate = rate_;
  std::unique_ptr<int16_t[]>& block = blocks_[static_cast<size_t>(at / kBlockFrames)];
  if (!block) block.reset(new int16_t[2 * kBlockFrames]());
  int16_t* out = Frame(at);
  fluid_synth_write_s16(synth_->synth, kStepFrames, out, 0, 2, out, 1, 2);
  const int64_t next = at + kStepFrames;
  rendered_.store(next, std::memory_order_release);

  fluid_player_t* player = synth_->player;
  const int64_t length = length_.load(std::memory_order_relaxed);
  if (length < 0) {
    // The player counts its ticks anew on every call: once it knows them, they are kept.
    if (synth_->totalTicks <= 0) synth_->totalTicks = fluid_player_get_total_ticks(player);
    const int total = synth_->totalTicks;
    const bool done = fluid_player_get_status(player) != FLUID_PLAYER_PLAYING;
    if (done || (total > 0 && fluid_player_get_current_tick(player) >= total) ||
        next >= int64_t{kMaxSeconds} * rate) {
      length_.store(done && total <= 0 ? 0 : next, std::memory_order_release);
    }
    return;
  }
  // The tail: until the last voice has died away and the reverberation with it.
  const int16_t peak = *std::max_element(
      out, out + 2 * kStepFrames, [](int16_t a, int16_t b) { return std::abs(a) < std::abs(b); });
  if ((fluid_synth_get_active_voice_count(synth_->synth) == 0 && std::abs(peak) <= 4) ||
      next >= length + int64_t{kMaxTailSeconds} * rate) {
    synth_.reset();
    // Kept for the next run; when it cannot be, the next run synthesises it again.
    if (!cachePath_.empty()) WriteTuneCache(cachePath_, blocks_, kBlockFrames, next, length);
  }
}

void SynthesisedTune::Fill(int16_t* out, int frames) {
  std::lock_guard<std::mutex> lock(playMutex_);
  const int64_t ready = Rendered();
  const int64_t length = length_.load(std::memory_order_acquire);
  const int64_t shortest = int64_t{kShortestLoopMs} * rate_ / 1000;
  for (int i = 0; i < frames; ++i, out += 2) {
    // Not started, or the synthesiser not yet this far: silence, and the tune waits.
    if (!started_ || position_ >= ready) {
      out[0] = out[1] = 0;
      continue;
    }
    const int16_t* frame = Frame(position_);
    int left = frame[0];
    int right = frame[1];
    if (looped_ && length + position_ < ready) {
      const int16_t* tail = Frame(length + position_);
      left += tail[0];
      right += tail[1];
    }
    out[0] = static_cast<int16_t>(std::clamp(left, -32768, 32767));
    out[1] = static_cast<int16_t>(std::clamp(right, -32768, 32767));
    if (++position_ == length) {
      // The end: straight on from the top, unless the tune is too short to be one.
      position_ = 0;
      looped_ = true;
      ended_ = true;
      if (length < shortest) started_ = false;
    }
  }
}

void SynthesisedTune::PlayFromStart() {
  std::lock_guard<std::mutex> lock(playMutex_);
  if (started_ && ended_) {
    // The next pass began at the end, sample for sample: it plays on.
    ended_ = false;
    return;
  }
  started_ = true;
  ended_ = false;
  looped_ = false;
  position_ = 0;
}

bool SynthesisedTune::Playing() const {
  std::lock_guard<std::mutex> lock(playMutex_);
  return started_ && !ended_;
}
