#include "tools/headless/state_json.h"

#include <fstream>

#include "app/shell.h"
#include "scenes/scene_names.h"
#include "tools/headless/state_scenes.h"
#include "tools/headless/state_world.h"

namespace {

void AppendInt(std::string& json, const char* name, int value) {
  json += '"';
  json += name;
  json += "\":";
  json += std::to_string(value);
}

}  // namespace

void AppendShellState(std::string& json, int presents) {
  // Scene names are plain identifiers: nothing to escape.
  json += "\"scene\":\"";
  json += SceneName(CurrentScene);
  json += "\",";
  AppendInt(json, "presents", presents);
  json += ',';
  AppendInt(json, "spaceHeld", SpaceHeld);
  json += ',';
  AppendInt(json, "shiftHeld", ShiftHeld);
  json += ',';
  AppendInt(json, "arrowHeld", ArrowHeld);
  json += ',';
  AppendInt(json, "released", ReleaseDone ? 1 : 0);
}

std::string StateJson(int presents) {
  std::string json = "{";
  AppendShellState(json, presents);
  json += ',';
  AppendWorldState(json);
  json += ',';
  AppendSceneState(json);
  json += "}\n";
  return json;
}

bool WriteStateFile(const std::string& path, int presents) {
  std::ofstream out(path, std::ios::binary);
  out << StateJson(presents);
  return static_cast<bool>(out);
}
