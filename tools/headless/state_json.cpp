#include "tools/headless/state_json.h"

#include <fstream>

#include "app/shell.h"
#include "scenes/scene_names.h"
#include "tools/headless/json_members.h"
#include "tools/headless/state_scenes.h"
#include "tools/headless/state_world.h"

void AppendShellState(std::string& json, int presents) {
  Members(json)
      .Name("scene", SceneName(CurrentScene))
      .Int("presents", presents)
      .Int("spaceHeld", SpaceHeld)
      .Int("shiftHeld", ShiftHeld)
      .Int("arrowHeld", ArrowHeld)
      .Int("released", ReleaseDone ? 1 : 0);
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
