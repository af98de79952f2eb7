#include "tools/headless/start_stage.h"

#include "app/shell.h"
#include "scenes/stage_start.h"
#include "world/stage_map.h"
#include "world/world.h"

void StartAtStage(int stage) {
  InitStageMap();
  // The progress kept with --progress is the map this run starts from, as on the map screen.
  RestoreProgress();
  StageMapReady = 1;
  SelectCursor = stage;
  StageNo = stage;
  CurrentScene = StageStartScene;
}
