#include "tools/headless/state_world.h"

#include <cstdio>
#include <cstring>

#include "play/stage_state.h"
#include "world/world.h"

namespace {

void AppendInt(std::string& json, const char* name, int value) {
  json += '"';
  json += name;
  json += "\":";
  json += std::to_string(value);
}

void AppendTile(std::string& json, const char* name, TilePoint tile) {
  json += '"';
  json += name;
  json += "\":[" + std::to_string(tile.x) + "," + std::to_string(tile.y) + "]";
}

// Enough digits to read back the same double; whole numbers keep a ".0".
std::string Number(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", value);
  if (std::strpbrk(text, ".eEn") == nullptr) std::strcat(text, ".0");
  return text;
}

void AppendPos(std::string& json, const DPoint& pos) {
  json += "\"pos\":[" + Number(pos.x) + "," + Number(pos.y) + "]";
}

void AppendHero(std::string& json) {
  json += "\"hero\":{";
  AppendTile(json, "tile", Chara.TilePt);
  json += ',';
  AppendTile(json, "old", Chara.OldPt);
  json += ',';
  AppendPos(json, Chara.Pos);
  json += ',';
  AppendInt(json, "move", Chara.Move);
  json += ',';
  AppendInt(json, "turn", Chara.Turn);
  json += ',';
  AppendInt(json, "anime", Chara.Anime);
  json += ',';
  AppendInt(json, "animeCnt", Chara.AnimeCnt);
  json += ',';
  AppendInt(json, "trap", Chara.Trap);
  json += ',';
  AppendInt(json, "tcnt", Chara.TCnt);
  json += '}';
}

void AppendItem(std::string& json, const ItemRec& item) {
  json += '{';
  AppendInt(json, "no", item.No);
  json += ',';
  AppendInt(json, "item", item.Item);
  json += ',';
  AppendInt(json, "f", item.F);
  json += ',';
  AppendInt(json, "act", item.Act);
  json += ',';
  AppendInt(json, "move", item.Move);
  json += ',';
  AppendTile(json, "tile", item.TilePt);
  json += ',';
  AppendTile(json, "old", item.OldPt);
  json += ',';
  AppendPos(json, item.Pos);
  json += '}';
}

void AppendVillager(std::string& json, const VillRec& vill) {
  json += '{';
  AppendInt(json, "no", vill.No);
  json += ',';
  AppendInt(json, "kind", vill.Kind);
  json += ',';
  AppendInt(json, "state", vill.State);
  json += ',';
  AppendInt(json, "anime", vill.Anime);
  json += ',';
  AppendInt(json, "animeCnt", vill.AnimeCnt);
  json += ',';
  AppendTile(json, "tile", vill.TilePt);
  json += ',';
  AppendPos(json, vill.Pos);
  json += '}';
}

}  // namespace

void AppendWorldState(std::string& json) {
  AppendInt(json, "stageNo", StageNo);
  json += ',';
  AppendInt(json, "stageClear", StageClear);
  json += ',';
  AppendInt(json, "bmax", BMAX);
  json += ',';
  AppendInt(json, "vmax", VMAX);
  json += ',';
  AppendHero(json);
  json += ",\"items\":[";
  for (int i = 0; i < BMAX && i < ITEM_CAPACITY; i++) {
    if (i > 0) json += ',';
    AppendItem(json, Items[i]);
  }
  json += "],\"villagers\":[";
  for (int i = 0; i < VMAX && i < VILL_CAPACITY; i++) {
    if (i > 0) json += ',';
    AppendVillager(json, Vills[i]);
  }
  json += ']';
}
