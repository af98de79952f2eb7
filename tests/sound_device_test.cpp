#include "sound/sound_device.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/headless.h"

namespace {

class SoundDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override { TestBackend().Reset(); }
};

TEST_F(SoundDeviceTest, CreationAndDestructionEachLogOneLine) {
  auto sound = std::make_unique<SoundDevice>();
  EXPECT_EQ(TestBackend().DebugLines(),
            (std::vector<std::string>{"\n----- ＜MyDSound作成＞ -----\n"}));
  sound->Init();
  sound.reset();
  EXPECT_EQ(TestBackend().DebugLines(),
            (std::vector<std::string>{"\n----- ＜MyDSound作成＞ -----\n",
                                      "\n----- ＜MyDSound破棄＞ -----\n"}));
}

TEST_F(SoundDeviceTest, InitOpensTheDeviceAndDestructionClosesIt) {
  auto sound = std::make_unique<SoundDevice>();
  EXPECT_FALSE(sound->IsOpen());
  EXPECT_TRUE(sound->Init());
  EXPECT_TRUE(TestBackend().AudioOpen());
  EXPECT_TRUE(sound->IsOpen());
  sound.reset();
  EXPECT_FALSE(TestBackend().AudioOpen());
}

TEST_F(SoundDeviceTest, DeviceStaysOpenWhileTheTunePlays) {
  auto sound = std::make_unique<SoundDevice>();
  sound->Init();
  TestBackend().OpenMusic(KOBAKO_SOURCE_DIR "/CMakeLists.txt");
  TestBackend().PlayMusicFromStart();
  sound.reset();
  EXPECT_TRUE(TestBackend().AudioOpen());
  EXPECT_TRUE(TestBackend().MusicPlaying());
}

}  // namespace
