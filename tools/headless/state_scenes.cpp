#include "tools/headless/state_scenes.h"

#include "scenes/pause.h"
#include "scenes/stage_start.h"
#include "world/stage_map.h"

namespace {

void AppendInt(std::string& json, const char* name, int value) {
  json += '"';
  json += name;
  json += "\":";
  json += std::to_string(value);
}

}  // namespace

void AppendSceneState(std::string& json) {
  json += "\"nodes\":[";
  for (int i = 0; i < NODE_COUNT; i++) {
    if (i > 0) json += ',';
    json += '{';
    AppendInt(json, "open", StageNodes[i].Open);
    json += ',';
    AppendInt(json, "cleared", StageNodes[i].Cleared);
    json += '}';
  }
  json += "],";
  AppendInt(json, "selectCursor", SelectCursor);
  json += ',';
  AppendInt(json, "stageMapReady", StageMapReady);
  json += ',';
  AppendInt(json, "stageIntro", StageIntro);
  json += ',';
  AppendInt(json, "pauseCursor", PauseCursor);
}
