// The background tune: found whatever the case of its name, started again whenever it says it
// stopped, and silent on a machine that cannot play it (no file, or no sound font to play it
// with), where it must never say it stopped.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "platform/backend_sdl.h"
#include "platform/tune.h"
#include "platform/tune_synth.h"
#include "tests/support/headless.h"
#include "tests/support/midi_writer.h"

namespace {

namespace fs = std::filesystem;

const fs::path kTune = KOBAKO_BINARY_DIR "/game/sound/kel.mid";

class TuneTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    oldDir_ = fs::current_path();
    dir_ = fs::temp_directory_path() / ("kobako_tune_" + std::to_string(getpid()));
    fs::create_directories(dir_ / "sound");
    fs::current_path(dir_);
    setenv("XDG_CACHE_HOME", (dir_ / "cache").c_str(), 1);
  }
  // The audio device opened with the sound fonts named (nullptr: the usual search).
  void OpenAudio(const char* soundFonts) {
    if (soundFonts != nullptr) {
      setenv("SDL_SOUNDFONTS", soundFonts, 1);
    } else {
      unsetenv("SDL_SOUNDFONTS");
    }
    backend_ = std::make_unique<SdlBackend>();
    SetBackend(backend_.get());
    ASSERT_TRUE(backend_->OpenAudio());
  }
  void TearDown() override {
    SetBackend(&TestBackend());
    backend_.reset();
    fs::current_path(oldDir_);
    fs::remove_all(dir_);
    unsetenv("SDL_SOUNDFONTS");
  }
  // What the main loop does for a second: ask whether the tune stopped, and play it again when
  // it has. Returns how many times it said so.
  int StopsOverASecond() {
    OpenTune("sound\\kel.mid");
    int stops = 0;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (std::chrono::steady_clock::now() < end) {
      if (TuneStopped()) {
        stops++;
        PlayTuneFromStart();
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(33));
    }
    return stops;
  }
  fs::path oldDir_, dir_;
  std::unique_ptr<SdlBackend> backend_;
};

TEST_F(TuneTest, TuneThatPlaysStartsOnTheFirstStoppedAndKeepsPlaying) {
  OpenAudio(nullptr);
  fs::copy_file(kTune, dir_ / "sound" / "kel.mid");
  EXPECT_EQ(StopsOverASecond(), 1);
  EXPECT_TRUE(backend_->MusicPlaying());
}

TEST_F(TuneTest, SoundFontChosenByThePlayerIsUsed) {
  // A list whose first entry does not exist: the next one is taken.
  const std::string fonts = (dir_ / "none.sf2").string() + ";/usr/share/sounds/sf2/TimGM6mb.sf2";
  OpenAudio(fonts.c_str());
  fs::copy_file(kTune, dir_ / "sound" / "kel.mid");
  EXPECT_EQ(StopsOverASecond(), 1);
  EXPECT_TRUE(backend_->MusicPlaying());
}

TEST_F(TuneTest, MissingTuneNeverReportsStopped) {
  OpenAudio(nullptr);
  EXPECT_EQ(StopsOverASecond(), 0);
  // Nor does a pipe in its place, which the synthesiser would wait on for ever.
  ASSERT_EQ(mkfifo((dir_ / "sound" / "kel.mid").c_str(), 0600), 0);
  EXPECT_EQ(StopsOverASecond(), 0);
}

TEST_F(TuneTest, TuneWithoutASoundFontNeverReportsStopped) {
  OpenAudio((dir_ / "none.sf2").c_str());
  fs::copy_file(kTune, dir_ / "sound" / "kel.mid");
  EXPECT_EQ(StopsOverASecond(), 0);
}

// A tune that cannot play (cut short, or no MIDI at all) is given up at once or after its first
// try, instead of being started again all the time.
TEST_F(TuneTest, TuneThatEndsAtOnceIsNotStartedAgain) {
  OpenAudio(nullptr);
  std::ifstream whole(kTune, std::ios::binary);
  std::string cut(std::istreambuf_iterator<char>(whole), {});
  cut.resize(40);
  for (const std::string& bytes : {cut, std::string("MThd junk that is no tune at all")}) {
    std::ofstream(dir_ / "sound" / "kel.mid", std::ios::binary) << bytes;
    EXPECT_LE(StopsOverASecond(), 1);
    EXPECT_FALSE(backend_->MusicPlaying());
  }
}

// The tune starts again at its last event, as heard from the device: SDL's disk driver writes
// what it plays to a file, at the pace it plays it.
TEST_F(TuneTest, TuneStartsAgainAtItsLastEventAsHeard) {
  const fs::path heard = dir_ / "heard.raw";
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", heard.c_str(), 1);
  OpenAudio(nullptr);
  const std::vector<uint8_t> midi = MakeOneNoteMidi(400);
  std::ofstream(dir_ / "sound" / "kel.mid", std::ios::binary)
      .write(reinterpret_cast<const char*>(midi.data()), static_cast<std::streamsize>(midi.size()));
  StopsOverASecond();
  SetBackend(&TestBackend());
  backend_.reset();
  std::ifstream file(heard, std::ios::binary);
  std::vector<char> bytes(std::istreambuf_iterator<char>(file), {});
  // Loudness of the left channel in 10 ms windows; a note starts where it jumps.
  constexpr size_t kWindow = 441;
  std::vector<double> loud;
  const auto* samples = reinterpret_cast<const int16_t*>(bytes.data());
  for (size_t at = 0; (at + kWindow) * 4 <= bytes.size(); at += kWindow) {
    double sum = 0;
    for (size_t i = at; i < at + kWindow; ++i) sum += std::abs(samples[2 * i]);
    loud.push_back(sum / kWindow);
  }
  const double most = loud.empty() ? 0 : *std::max_element(loud.begin(), loud.end());
  std::vector<size_t> starts;
  for (size_t w = 3; w < loud.size(); ++w) {
    const double before = (loud[w - 1] + loud[w - 2] + loud[w - 3]) / 3;
    if (loud[w] > 0.1 * most && loud[w] > 1.5 * before &&
        (starts.empty() || w > starts.back() + 10)) {
      starts.push_back(w);
    }
  }
  ASSERT_GE(starts.size(), 3u) << "heard " << bytes.size() / 4 << " frames";
  for (size_t k = 1; k < starts.size(); ++k) {
    EXPECT_NEAR((starts[k] - starts[k - 1]) * 10.0, 400.0, 20.0) << "between notes " << k;
  }
}

// The tune synthesised on a first run is kept and read back on the next, sample for sample; a
// kept file that is damaged is synthesised again instead.
TEST_F(TuneTest, SynthesisedTuneIsKeptForTheNextRun) {
  const std::string font = "/usr/share/sounds/sf2/TimGM6mb.sf2";
  if (!fs::exists(font)) GTEST_SKIP() << "no sound font";
  const std::vector<uint8_t> bytes = MakeOneNoteMidi(300);
  const std::vector<char> midi(bytes.begin(), bytes.end());
  // A second of the tune as the device would take it, from a fresh start (the synthesiser needs
  // a few hundredths of a second for all of this one).
  auto heard = [&](std::string* why) {
    SynthesisedTune tune;
    EXPECT_TRUE(tune.Start(midi, font, 44100, why)) << *why;
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    tune.PlayFromStart();
    std::vector<int16_t> out(2 * 44100);
    tune.Fill(out.data(), 44100);
    return out;
  };
  std::string why;
  const std::vector<int16_t> first = heard(&why);
  std::vector<fs::path> kept;
  for (const auto& entry : fs::directory_iterator(dir_ / "cache" / "kobako")) {
    if (entry.path().extension() == ".pcm") kept.push_back(entry.path());
  }
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(heard(&why), first);
  // A kept file proves itself: one with a frame, its loop frame or its length changed is removed
  // and the tune synthesised and kept again.
  const auto poke = [&](std::streamoff at, const void* bytes, size_t size) {
    std::fstream file(kept[0], std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(at);
    file.write(static_cast<const char*>(bytes), static_cast<std::streamsize>(size));
  };
  const uintmax_t size = fs::file_size(kept[0]);
  const int16_t mark = 12345;
  poke(40 + 100 * 4, &mark, sizeof mark);  // after the 40-byte header, frame 100's left sample
  EXPECT_EQ(heard(&why), first);
  const int64_t loopFrame = 1;
  poke(24, &loopFrame, sizeof loopFrame);
  EXPECT_EQ(heard(&why), first);
  fs::resize_file(kept[0], fs::file_size(kept[0]) - 2);
  EXPECT_EQ(heard(&why), first);
  EXPECT_EQ(fs::file_size(kept[0]), size) << "kept again";

  // Another sound font makes another tune: it is the one kept.
  const fs::path otherFont = dir_ / "other.sf2";
  fs::copy_file(font, otherFont);
  SynthesisedTune other;
  ASSERT_TRUE(other.Start(midi, otherFont.string(), 44100, &why)) << why;
  for (int i = 0; i < 200 && fs::exists(kept[0]); i++) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  int files = 0;
  for (const auto& entry : fs::directory_iterator(dir_ / "cache" / "kobako")) {
    files++;
    EXPECT_NE(entry.path(), kept[0]);
  }
  EXPECT_EQ(files, 1);
}

// The same rules with the headless backend, whose tune ends when told to.
class HeadlessTune : public TuneTest {
 protected:
  void SetUp() override {
    TuneTest::SetUp();
    TestBackend().Reset();
  }
};

TEST_F(HeadlessTune, TuneFoundWhateverTheCaseStopsBeforeItsStartAndAtItsEnd) {
  fs::rename(dir_ / "sound", dir_ / "Sound");
  std::ofstream(dir_ / "Sound" / "KEL.MID") << "MThd";
  OpenTune("sound\\kel.mid");
  EXPECT_EQ(TestBackend().MusicPath(), "Sound/KEL.MID");
  EXPECT_TRUE(TuneStopped());
  PlayTuneFromStart();
  EXPECT_FALSE(TuneStopped());
  EXPECT_EQ(TestBackend().MusicStarts(), 1);
  TestBackend().Rest(300);  // a tune that played a while, not one that could not play at all
  TestBackend().FinishMusic();
  EXPECT_TRUE(TuneStopped());
  PlayTuneFromStart();
  EXPECT_EQ(TestBackend().MusicStarts(), 2);
  EXPECT_TRUE(TestBackend().DebugLines().empty());
}

TEST_F(HeadlessTune, MissingTuneNeverStopsNorStarts) {
  OpenTune("sound\\kel.mid");
  EXPECT_FALSE(TuneStopped());
  PlayTuneFromStart();
  EXPECT_FALSE(TuneStopped());
  EXPECT_EQ(TestBackend().MusicStarts(), 0);
}

TEST_F(HeadlessTune, TuneThatEndsAtOnceIsNamedOnceAndNeverStartedAgain) {
  std::ofstream(dir_ / "sound" / "kel.mid") << "MThd";
  OpenTune("sound\\kel.mid");
  ASSERT_TRUE(TuneStopped());
  PlayTuneFromStart();
  TestBackend().Rest(200);
  TestBackend().FinishMusic();
  for (int turn = 0; turn < 3; turn++) {
    EXPECT_FALSE(TuneStopped());
    PlayTuneFromStart();
  }
  EXPECT_EQ(TestBackend().MusicStarts(), 1);
  ASSERT_EQ(TestBackend().DebugLines().size(), 1u);
  EXPECT_EQ(TestBackend().DebugLines()[0],
            "sound\\kel.mid: the tune ends as soon as it starts; not played again\n");
  // Opened afresh, it is given its chance again.
  OpenTune("sound\\kel.mid");
  EXPECT_TRUE(TuneStopped());
}

}  // namespace
