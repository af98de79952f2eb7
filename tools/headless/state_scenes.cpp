#include "tools/headless/state_scenes.h"

#include "scenes/pause.h"
#include "scenes/stage_start.h"
#include "tools/headless/json_members.h"
#include "world/stage_map.h"

void AppendSceneState(std::string& json) {
  std::string nodes = "[";
  for (int i = 0; i < NODE_COUNT; i++) {
    nodes += i > 0 ? ",{" : "{";
    Members(nodes).Int("open", StageNodes[i].Open).Int("cleared", StageNodes[i].Cleared);
    nodes += '}';
  }
  nodes += ']';
  Members(json)
      .Raw("nodes", nodes)
      .Int("selectCursor", SelectCursor)
      .Int("stageMapReady", StageMapReady)
      .Int("stageIntro", StageIntro)
      .Int("pauseCursor", PauseCursor);
}
