#include "scenes/scene_names.h"

#include "scenes/ending.h"
#include "scenes/logo.h"
#include "scenes/opening.h"
#include "scenes/pause.h"
#include "scenes/play_scene.h"
#include "scenes/select.h"
#include "scenes/stage_start.h"

namespace {

struct NamedScene {
  SceneFunction scene;
  const char* name;
};

#define KOBAKO_SCENE(f) \
  { f, #f }
const NamedScene kScenes[] = {
    KOBAKO_SCENE(LogoSetupScene),    KOBAKO_SCENE(LogoScene),       KOBAKO_SCENE(LogoEndScene),
    KOBAKO_SCENE(TitleSetupScene),   KOBAKO_SCENE(TitleScene),      KOBAKO_SCENE(TitleEndScene),
    KOBAKO_SCENE(OpeningSetupScene), KOBAKO_SCENE(OpeningScene),    KOBAKO_SCENE(OpeningEndScene),
    KOBAKO_SCENE(SelectSetupScene),  KOBAKO_SCENE(SelectDropScene), KOBAKO_SCENE(SelectScene),
    KOBAKO_SCENE(StageStartScene),   KOBAKO_SCENE(StageWipeScene),  KOBAKO_SCENE(PlayScene),
    KOBAKO_SCENE(PauseSetupScene),   KOBAKO_SCENE(PauseScene),      KOBAKO_SCENE(EndingSetupScene),
    KOBAKO_SCENE(EndingScene),
};
#undef KOBAKO_SCENE

}  // namespace

const char* SceneName(SceneFunction f) {
  for (const NamedScene& named : kScenes) {
    if (named.scene == f) return named.name;
  }
  return "unknown";
}
