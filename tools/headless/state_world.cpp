#include "tools/headless/state_world.h"

#include "play/advice.h"
#include "play/search.h"
#include "play/stage_state.h"
#include "play/undo.h"
#include "tools/headless/json_members.h"
#include "world/world.h"

namespace {

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
      .Raw("villagers", VillagerList())
      .Int("undoDepth", static_cast<int>(UndoDepth()))
      .Raw("hint", HintAction() >= 0 ? std::string("\"") + ActionName(HintAction()) + "\"" : "null")
      .Raw("lost", StageLost() ? "true" : "false");
}
