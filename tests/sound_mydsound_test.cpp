#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sound/mydsound.h"
#include "tests/support/headless.h"

namespace {

class MyDSoundTest : public ::testing::Test {
 protected:
  void SetUp() override { TestBackend().Reset(); }
};

TEST_F(MyDSoundTest, CreationAndDestructionEachLogOneLine) {
  MyDSound* sound = new MyDSound();
  EXPECT_EQ(TestBackend().DebugLines(),
            (std::vector<std::string>{"\n----- ＜MyDSound作成＞ -----\n"}));
  sound->Init(0);
  delete sound;
  EXPECT_EQ(TestBackend().DebugLines(),
            (std::vector<std::string>{"\n----- ＜MyDSound作成＞ -----\n",
                                      "\n----- ＜MyDSound破棄＞ -----\n"}));
}

TEST_F(MyDSoundTest, FreshObjectHoldsNothing) {
  MyDSound sound;
  EXPECT_EQ(sound.lpPrimary, nullptr);
  EXPECT_EQ(sound.lpDS, nullptr);
  for (const SoundEntry& entry : sound.Sound) {
    for (LPDIRECTSOUNDBUFFER buffer : entry.Buffer) EXPECT_EQ(buffer, nullptr);
  }
}

TEST_F(MyDSoundTest, InitOpensTheDeviceInCdFormat) {
  MyDSound sound;
  EXPECT_EQ(sound.Init(0), DD_OK);  // the format was accepted
  EXPECT_TRUE(TestBackend().AudioOpen());
  EXPECT_NE(sound.lpDS, nullptr);
  EXPECT_NE(sound.lpPrimary, nullptr);
}

TEST_F(MyDSoundTest, PrimaryBufferRefusesOtherFormats) {
  LPDIRECTSOUND device = nullptr;
  ASSERT_EQ(DirectSoundCreate(&device), DD_OK);
  DSBUFFERDESC desc = {20, DSBCAPS_PRIMARYBUFFER, 0, 0, nullptr};
  LPDIRECTSOUNDBUFFER primary = nullptr;
  ASSERT_EQ(device->CreateSoundBuffer(&desc, &primary), DD_OK);
  WAVEFORMATEX mono = {WAVE_FORMAT_PCM, 1, 44100, 88200, 2, 16, 0};
  EXPECT_NE(primary->SetFormat(&mono), DD_OK);
  primary->Release();
  device->Release();
  EXPECT_FALSE(TestBackend().AudioOpen());
}

TEST_F(MyDSoundTest, DeviceStaysOpenWhileTheTunePlays) {
  MyDSound* sound = new MyDSound();
  sound->Init(0);
  TestBackend().OpenMusic(KOBAKO_SOURCE_DIR "/CMakeLists.txt");
  TestBackend().PlayMusicFromStart();
  delete sound;
  EXPECT_TRUE(TestBackend().AudioOpen());
  EXPECT_TRUE(TestBackend().MusicPlaying());
}

}  // namespace
