// Plays a stage written inline, frame by frame, with the keys each frame holds.
#pragma once
#include <string>
#include <vector>

#include "play/actors.h"
#include "play/movement.h"
#include "play/play_frame.h"
#include "play/undo.h"
#include "tests/world_stage_text.h"
#include "world/setup.h"
#include "world/world.h"

namespace playdriver {

constexpr PlayKeys kNone = {false, false, false, false, false, false, false};
constexpr PlayKeys kUp = {true, false, false, false, false, false, false};
constexpr PlayKeys kDown = {false, true, false, false, false, false, false};
constexpr PlayKeys kLeft = {false, false, true, false, false, false, false};
constexpr PlayKeys kRight = {false, false, false, true, false, false, false};
constexpr PlayKeys kSpace = {false, false, false, false, true, false, false};
constexpr PlayKeys kShift = {false, false, false, false, false, true, false};
constexpr PlayKeys kUndo = {false, false, false, false, false, false, true};

// A stage file: area 1, the hero's start, then the item and villager lines ("No,x,y,...").
inline std::string StageText(int heroX, int heroY, const std::vector<std::string>& items,
                             const std::vector<std::string>& vills = {}) {
  std::string text = "@DA,1\r\n@DH," + std::to_string(heroX) + "," + std::to_string(heroY) + "\r\n";
  const auto list = [&text](const char* mark, const std::vector<std::string>& lines) {
    if (lines.empty()) return;
    text += mark;
    text += "\r\n";
    for (size_t i = 0; i < lines.size(); i++) {
      text += lines[i];
      text += i + 1 == lines.size() ? ",@\r\n" : "\r\n";
    }
  };
  list("@DB", items);
  list("@DV", vills);
  return text + "@E\r\n";
}

class Stage {
 public:
  // Sets the stage up from its file as the stage-start scene does, in a fresh game.
  explicit Stage(const std::string& text, int stageNo = 2) {
    dir_.WriteStage(stageNo, text);
    StageNo = stageNo;
    StageClear = 0;
    KeyRepeat = 0;
    SetupStagePlay(stageNo);
  }

  // Notes the state at rest after the frame, as the play scene does.
  PlayFrameResult Frame(const PlayKeys& keys = kNone) {
    const PlayFrameResult result = PlayFrameUpdate(keys, spaceHeld_, shiftHeld_);
    NoteRestState();
    return result;
  }
  void Frames(int count, const PlayKeys& keys = kNone) {
    for (int i = 0; i < count; i++) Frame(keys);
  }
  // Holds the keys until the arrows act (they share one repeat counter), then lets go.
  void Press(const PlayKeys& keys) {
    for (int i = 0; i < 3; i++) {
      Frame(keys);
      if (KeyRepeat == 1) return;
    }
  }
  // A press and the six frames that finish the step it starts.
  void Step(const PlayKeys& keys) {
    Press(keys);
    Frames(6);
  }

 private:
  stagetext::ScratchDir dir_;
  int spaceHeld_ = 0;
  int shiftHeld_ = 0;
};

inline bool HeroOn(int x, int y) {
  return Chara.TilePt.x == x && Chara.TilePt.y == y;
}
inline bool ItemOn(int i, int x, int y) {
  return Items[i].TilePt.x == x && Items[i].TilePt.y == y;
}
inline bool AtRestOn(DPoint pos, int x, int y) {
  const DPoint rest = TilePosition(x, y);
  return pos.x == rest.x && pos.y == rest.y;
}
inline int MarkCount() {
  int marks = 0;
  for (int x = 0; x < TMAX; x++) {
    for (int y = 0; y < TMAX; y++) marks += TileMark[x][y];
  }
  return marks;
}

}  // namespace playdriver
