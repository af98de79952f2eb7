#include "play/windows.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

#include "app/shared_objects.h"
#include "app/shell.h"
#include "platform/language.h"
#include "platform/sjis.h"
#include "platform/text.h"
#include "play/animation.h"
#include "play/render.h"
#include "world/datafile.h"
#include "world/stage_map.h"
#include "world/world.h"

namespace {

constexpr int CLOSING_MESSAGE = 11;
constexpr int RESCUE_FULL_LEVEL = 220;
constexpr int RESCUE_LEVEL_STEP = 12;

// The windows keep their timers between calls, like every frame gate.
uint32_t RescueTime = 0;
uint32_t MessageTime = 0;

std::u32string RescueText(int stage) {
  const char* sister = Untranslated("おねーさんをたすけた！");
  const char* grandpa = Untranslated("おじーさんをたすけた！");
  const char* angel = Untranslated("てんしさまをたすけた！");
  const char* girl = Untranslated("おんなのこをたすけた！");
  const char* demon = Untranslated("まおうをほかくした！");
  const char* text = demon;
  switch (stage) {
    case 0:
    case 3:
    case 6:
      text = sister;
      break;
    case 1:
    case 7:
      text = grandpa;
      break;
    case 2:
    case 5:
    case 9:
      text = angel;
      break;
    case 4:
    case 8:
      text = girl;
      break;
  }
  return CodePoints(Translated(text));
}

// One more full-width character (or CR LF pair) every five frames: the text shows two more
// half-width cells each time, and a full-width character only half shown is a blank cell.
struct Reveal {
  std::u32string text;
  int units;  // length in full-width cells
  int r = 0;

  explicit Reveal(std::u32string t) : text(std::move(t)), units(HalfCells(text) / 2) {}
  void Draw(Rect area) {
    Display& display = TheDisplay();
    DrawTextCentred(display.backbuffer, display.font, Shown(2 * (r / 5)), area, 0);
    if (r < 5 * units) r++;
  }

  static int HalfCells(const std::u32string& text) {
    int cells = 0;
    for (char32_t c : text) cells += CellsOf(c);
    return cells;
  }
  // The first `cells` half-width cells of the text.
  std::u32string Shown(int cells) const {
    std::u32string shown;
    for (char32_t c : text) {
      if (cells <= 0) break;
      const int n = CellsOf(c);
      shown.push_back(n <= cells ? c : U' ');
      cells -= n;
    }
    return shown;
  }
};

Rect PortraitRect(int stage, bool captured) {
  if (stage == LAST_STAGE) {
    int top = captured ? 420 : 280;
    return {500, top, 600, top + 140};
  }
  int left = 100 * (stage % 5);
  int top = 280 + 140 * (stage / 5);
  return {left, top, left + 100, top + 140};
}

}  // namespace

void ShowRescue() {
  Reveal reveal(RescueText(StageNo));
  int level = 0;
  // A close request ends the window at once; the main loop then shuts the game down.
  for (bool closing = false; !closing;) {
    if (!NextFrameOfLoop(RescueTime, FRAME_PERIOD, &closing)) continue;
    RenderStage();
    BlitRequest request = {};
    request.x = 40;
    request.y = 10;
    request.Src = FrameId();
    request.SrcRect = {0, 0, 540, 140};
    request.Mode = BLIT_BLEND | BLEND_ALPHA;
    request.Level = static_cast<uint8_t>(level);
    Pictures()->Blit(request);
    level = std::min(level + RESCUE_LEVEL_STEP, RESCUE_FULL_LEVEL);

    if (level == RESCUE_FULL_LEVEL) reveal.Draw({80, 50, 550, 140});
    if (KeyPressedOnce(Key::Space, SpaceHeld)) return;
    Present();
  }
}

void ShowMessage() {
  bool captured = StageNo == LAST_STAGE && StageNodes[LAST_STAGE].Cleared;
  int slot = captured ? CLOSING_MESSAGE : std::clamp(StageNo, 0, MES_COUNT - 1);
  // The message file keeps Shift-JIS: decoded once, as the window opens.
  Reveal reveal(
      TextFromShiftJis(std::string_view(MesText[slot], strnlen(MesText[slot], MES_SIZE))));
  int stage = std::clamp(StageNo, 0, LAST_STAGE);
  Rect frame = {0, 140, 440, 280};
  Rect portrait = PortraitRect(stage, captured);
  Display& display = TheDisplay();
  for (bool closing = false; !closing;) {
    if (!NextFrameOfLoop(MessageTime, FRAME_PERIOD, &closing)) continue;
    RenderStage();
    display.backbuffer.CopyFrom({40, 10}, display.fram, frame, kKeyed);
    display.backbuffer.CopyFrom({480, 10}, display.fram, portrait, kKeyed);

    reveal.Draw({80, 50, 450, 140});
    StepAnimation();
    if (KeyPressedOnce(Key::Space, SpaceHeld)) return;
    Present();
  }
}
