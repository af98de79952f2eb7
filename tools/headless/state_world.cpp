#include "tools/headless/state_world.h"

#include <cstdio>
#include <cstring>

#include "play/stage_state.h"
#include "world/world.h"

namespace {

// Enough digits to read back the same double; whole numbers keep a ".0".
std::string Number(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", value);
  if (std::strpbrk(text, ".eEn") == nullptr) std::strcat(text, ".0");
  return text;
}

// Writes "name":value members, putting the commas between them.
class Members {
 public:
  explicit Members(std::string& json) : json_(json) {}

  Members& Int(const char* name, int value) { return Raw(name, std::to_string(value)); }
  Members& Tile(const char* name, TilePoint tile) {
    return Raw(name, "[" + std::to_string(tile.x) + "," + std::to_string(tile.y) + "]");
  }
  Members& Pos(const DPoint& pos) {
    return Raw("pos", "[" + Number(pos.x) + "," + Number(pos.y) + "]");
  }
  Members& Raw(const char* name, const std::string& value) {
    if (!first_) json_ += ',';
    first_ = false;
    json_ += '"';
    json_ += name;
    json_ += "\":";
    json_ += value;
    return *this;
  }

 private:
  std::string& json_;
  bool first_ = true;
};

std::string Hero() {
  std::string json = "{";
  Members(json)
      .Tile("tile", Chara.TilePt)
      .Tile("old", Chara.OldPt)
      .Pos(Chara.Pos)
      .Int("move", Chara.Move)
      .Int("turn", Chara.Turn)
      .Int("anime", Chara.Anime)
      .Int("animeCnt", Chara.AnimeCnt)
      .Int("trap", Chara.Trap)
      .Int("tcnt", Chara.TCnt);
  return json + "}";
}

std::string ItemList() {
  std::string json = "[";
  for (int i = 0; i < BMAX && i < ITEM_CAPACITY; i++) {
    const ItemRec& item = Items[i];
    json += i > 0 ? ",{" : "{";
    Members(json)
        .Int("no", item.No)
        .Int("item", item.Item)
        .Int("f", item.F)
        .Int("act", item.Act)
        .Int("move", item.Move)
        .Tile("tile", item.TilePt)
        .Tile("old", item.OldPt)
        .Pos(item.Pos);
    json += '}';
  }
  return json + "]";
}

std::string VillagerList() {
  std::string json = "[";
  for (int i = 0; i < VMAX && i < VILL_CAPACITY; i++) {
    const VillRec& vill = Vills[i];
    json += i > 0 ? ",{" : "{";
    Members(json)
        .Int("no", vill.No)
        .Int("kind", vill.Kind)
        .Int("state", vill.State)
        .Int("anime", vill.Anime)
        .Int("animeCnt", vill.AnimeCnt)
        .Tile("tile", vill.TilePt)
        .Pos(vill.Pos);
    json += '}';
  }
  return json + "]";
}

}  // namespace

void AppendWorldState(std::string& json) {
  Members(json)
      .Int("stageNo", StageNo)
      .Int("stageClear", StageClear)
      .Int("bmax", BMAX)
      .Int("vmax", VMAX)
      .Raw("hero", Hero())
      .Raw("items", ItemList())
      .Raw("villagers", VillagerList());
}
