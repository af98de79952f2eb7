#include "play/clear_sequence.h"

#include "app/shell.h"
#include "play/render.h"
#include "play/stage_state.h"
#include "play/windows.h"
#include "world/stage_map.h"
#include "world/world.h"

ClearState Clear;

namespace {

constexpr int PIECE_W = 60;
constexpr int PICTURE_W = 300;
constexpr int PICTURE_H = 80;
constexpr int PICTURE_X = 160;
constexpr int REST_Y = 200;

// A walking figure stops on the first frame of its cycle the moment it gets there.
void StopWhereStanding() {
  if (Chara.Anime == 0) Chara.AnimeCnt = 0;
  for (int i = 0; i < VMAX; i++) {
    if (Vills[i].State == 1 && Vills[i].Anime == 0) Vills[i].AnimeCnt = 0;
  }
}

void HoldStill() {
  Chara.AnimeCnt = 0;
  Chara.Anime = 0;
  for (int i = 0; i < VMAX; i++) {
    if (Vills[i].State != 1) continue;
    Vills[i].AnimeCnt = 0;
    Vills[i].Anime = 0;
  }
}

void DropPieces() {
  for (int i = 0; i < CLEAR_PIECES; i++) {
    Clear.ClearDrop[i] += 20 - i;
    if (Clear.ClearDrop[i] > REST_Y) Clear.ClearDrop[i] = REST_Y;
  }
  Display& display = TheDisplay();
  for (int i = 0; i < CLEAR_PIECES; i++) {
    Rect piece = {i * PIECE_W, 0, i * PIECE_W + PIECE_W, PICTURE_H};
    display.backbuffer.CopyFrom({PICTURE_X + i * PIECE_W, Clear.ClearDrop[i]}, display.clea, piece,
                                kKeyed);
  }
}

// Even rows fly left, odd rows right, lower rows faster.
void SpreadRows() {
  Display& display = TheDisplay();
  for (int r = 0; r < PICTURE_H; r++) {
    Rect row = {0, r, PICTURE_W, r + 1};
    int shift = (r / 5 + 20) * Clear.ClearSpread;
    int x = r % 2 == 0 ? PICTURE_X - shift : PICTURE_X + shift;
    display.backbuffer.CopyFrom({x, REST_Y + r}, display.clea, row, kKeyed);
  }
  Clear.ClearSpread++;
}

bool AllCleared() {
  for (const StageNode& node : StageNodes) {
    if (!node.Cleared) return false;
  }
  return true;
}

}  // namespace

void ResetClearSequence() {
  StageClear = 0;
  Clear = ClearState{};
}

ClearResult ClearSequence() {
  if (Clear.ClearCnt == 0) ShowRescue();
  Clear.ClearCnt++;
  if (Clear.ClearCnt < 15) return CLEAR_RUNNING;
  if (Clear.ClearCnt < 20) {
    StopWhereStanding();
    return CLEAR_RUNNING;
  }
  if (Clear.ClearCnt < 60) {
    DropPieces();
    HoldStill();
    return CLEAR_RUNNING;
  }
  if (Clear.ClearCnt < CLEAR_FRAMES) {
    SpreadRows();
    HoldStill();
    return CLEAR_RUNNING;
  }

  ResetClearSequence();
  StageNode& node = StageNodes[StageNo];
  node.Cleared = 1;
  ShowMessage();
  for (StageNode* link : node.Links) {
    if (link != nullptr) link->Open = 1;
  }
  SaveProgress();
  if (AllCleared()) {
    // The ending brings its own background.
    ReleaseSurface(TheDisplay().back);
    return CLEAR_TO_ENDING;
  }
  return CLEAR_TO_SELECT;
}
