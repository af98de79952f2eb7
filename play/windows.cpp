#include "play/windows.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "app/shared_objects.h"
#include "app/shell.h"
#include "gfx/mydraw.h"
#include "play/animation.h"
#include "play/render.h"
#include "world/datafile.h"
#include "world/stage_map.h"
#include "world/world.h"

namespace {

constexpr uint32_t WINDOW_PERIOD = 33;
constexpr int LAST_STAGE = 10;
constexpr int CLOSING_MESSAGE = 11;
constexpr int RESCUE_FULL_LEVEL = 220;
constexpr int RESCUE_LEVEL_STEP = 12;

// The windows keep their timers between calls, like every frame gate.
uint32_t RescueTime = 0;
uint32_t MessageTime = 0;

const std::string& RescueText(int stage) {
  // Converted once: the font draws Shift-JIS bytes.
  static const std::string sister = ShiftJisFromUtf8("おねーさんをたすけた！");
  static const std::string grandpa = ShiftJisFromUtf8("おじーさんをたすけた！");
  static const std::string angel = ShiftJisFromUtf8("てんしさまをたすけた！");
  static const std::string girl = ShiftJisFromUtf8("おんなのこをたすけた！");
  static const std::string demon = ShiftJisFromUtf8("まおうをほかくした！");
  switch (stage) {
    case 0:
    case 3:
    case 6:
      return sister;
    case 1:
    case 7:
      return grandpa;
    case 2:
    case 5:
    case 9:
      return angel;
    case 4:
    case 8:
      return girl;
    default:
      return demon;
  }
}

// One more two-byte character (or CR LF pair) every five frames.
struct Reveal {
  const char* text;
  int units;  // length in two-byte units
  int r = 0;

  Reveal(const char* t, int bytes) : text(t), units(bytes / 2) {}
  void Draw(HDC dc, RECT rect) {
    if (dc != nullptr) DrawTextA(dc, text, 2 * (r / 5), &rect, DT_CENTER);
    if (r < 5 * units) r++;
  }
};

HDC OpenText() {
  HDC dc = nullptr;
  lpBackbuffer->GetDC(&dc);
  if (dc != nullptr) {
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, hFont);
  }
  return dc;
}

void CloseText(HDC dc) {
  if (dc != nullptr) lpBackbuffer->ReleaseDC(dc);
}

RECT PortraitRect(int stage, bool captured) {
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
  const std::string& text = RescueText(StageNo);
  Reveal reveal(text.data(), static_cast<int>(text.size()));
  int level = 0;
  // A close request ends the window at once; the main loop then shuts the game down.
  while (!CloseRequested()) {
    if (!FrameGate(RescueTime, WINDOW_PERIOD)) {
      WaitMessageTimeout(1);
      continue;
    }
    RenderStage();
    BlitRequest request = {};
    request.x = 40;
    request.y = 10;
    request.Src = FrameId;
    request.SrcRect = {0, 0, 540, 140};
    request.Mode = BLIT_BLEND | BLEND_ALPHA;
    request.Level = static_cast<uint8_t>(level);
    theDDraw->Blit(request);
    level = std::min(level + RESCUE_LEVEL_STEP, RESCUE_FULL_LEVEL);

    HDC dc = OpenText();
    if (level == RESCUE_FULL_LEVEL) reveal.Draw(dc, {80, 50, 550, 140});
    bool done = KeyPressedOnce(VK_SPACE, SpaceHeld);
    CloseText(dc);
    if (done) return;
    Present();
  }
}

void ShowMessage() {
  bool captured = StageNo == LAST_STAGE && StageNodes[LAST_STAGE].Cleared;
  int slot = captured ? CLOSING_MESSAGE : std::clamp(StageNo, 0, MES_COUNT - 1);
  const char* text = MesText[slot];
  Reveal reveal(text, static_cast<int>(strnlen(text, MES_SIZE)));
  int stage = std::clamp(StageNo, 0, LAST_STAGE);
  RECT frame = {0, 140, 440, 280};
  RECT portrait = PortraitRect(stage, captured);
  while (!CloseRequested()) {
    if (!FrameGate(MessageTime, WINDOW_PERIOD)) {
      WaitMessageTimeout(1);
      continue;
    }
    RenderStage();
    lpBackbuffer->BltFast(40, 10, lpFram, &frame, KEYED_COPY);
    lpBackbuffer->BltFast(480, 10, lpFram, &portrait, KEYED_COPY);

    HDC dc = OpenText();
    reveal.Draw(dc, {80, 50, 450, 140});
    StepAnimation();
    bool done = KeyPressedOnce(VK_SPACE, SpaceHeld);
    CloseText(dc);
    if (done) return;
    Present();
  }
}
