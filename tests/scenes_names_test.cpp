// Scene names as the headless runner reports them.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "scenes/ending.h"
#include "scenes/logo.h"
#include "scenes/opening.h"
#include "scenes/pause.h"
#include "scenes/play_scene.h"
#include "scenes/scene_names.h"
#include "scenes/select.h"
#include "scenes/stage_start.h"

namespace {

void NotAScene() {}

TEST(SceneNames, EverySceneIsNamedAfterItsFunction) {
  EXPECT_STREQ(SceneName(LogoSetupScene), "LogoSetupScene");
  EXPECT_STREQ(SceneName(LogoScene), "LogoScene");
  EXPECT_STREQ(SceneName(TitleScene), "TitleScene");
  EXPECT_STREQ(SceneName(OpeningScene), "OpeningScene");
  EXPECT_STREQ(SceneName(SelectDropScene), "SelectDropScene");
  EXPECT_STREQ(SceneName(SelectScene), "SelectScene");
  EXPECT_STREQ(SceneName(StageStartScene), "StageStartScene");
  EXPECT_STREQ(SceneName(StageWipeScene), "StageWipeScene");
  EXPECT_STREQ(SceneName(PlayScene), "PlayScene");
  EXPECT_STREQ(SceneName(PauseScene), "PauseScene");
  EXPECT_STREQ(SceneName(EndingScene), "EndingScene");
}

TEST(SceneNames, NamesAreDistinctAndOtherFunctionsAreUnknown) {
  const SceneFunction scenes[] = {
      LogoSetupScene,  LogoScene,         LogoEndScene,     TitleSetupScene, TitleScene,
      TitleEndScene,   OpeningSetupScene, OpeningScene,     OpeningEndScene, SelectSetupScene,
      SelectDropScene, SelectScene,       StageStartScene,  StageWipeScene,  PlayScene,
      PauseSetupScene, PauseScene,        EndingSetupScene, EndingScene};
  std::set<std::string> names;
  for (SceneFunction f : scenes) {
    EXPECT_STRNE(SceneName(f), "unknown");
    names.insert(SceneName(f));
  }
  EXPECT_EQ(names.size(), sizeof(scenes) / sizeof(scenes[0]));
  EXPECT_STREQ(SceneName(NotAScene), "unknown");
  EXPECT_STREQ(SceneName(nullptr), "unknown");
}

}  // namespace
