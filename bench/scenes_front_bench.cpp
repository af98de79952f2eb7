// CPU time of one frame of the busiest front-end scenes on the headless backend: the logo with
// 100 balls and its ten pieces, and the stage select with all 11 nodes open and its 20 lines.
#include <benchmark/benchmark.h>

#include <cstring>

#include "app/shell.h"
#include "gfx/picture_slots.h"
#include "platform/backend_headless.h"
#include "platform/surface.h"
#include "scenes/logo.h"
#include "scenes/select.h"
#include "world/stage_map.h"

namespace {

// The open screen with its back buffer, and a virtual clock that moves one gate period per
// frame.
struct FrontDisplay {
  HeadlessBackend backend;
  FrontDisplay() {
    SetBackend(&backend);
    Display& display = TheDisplay();
    display.screen.Open();
    display.backbuffer = Surface(SCREEN_W, SCREEN_H);
  }
  ~FrontDisplay() {
    Display& display = TheDisplay();
    for (Surface* s : {&display.backbuffer, &display.back, &display.chara}) ReleaseSurface(*s);
    display.screen.Close();
    SetBackend(nullptr);
  }
  void NextFrame() { backend.SetClock(backend.PeekClock() + 40); }
};

// Paints a surface with stripes of colour and black, like a keyed picture.
void PaintPicture(Surface& s) {
  for (int y = 0; y < s.Height(); y += 4) {
    s.Fill(Rect{0, y, s.Width(), y + 3}, static_cast<uint16_t>(0x1234 + y));
  }
}

void LogoFrame(benchmark::State& state) {
  FrontDisplay display;
  LogoSetupScene();
  PaintPicture(TheDisplay().back);
  // Every ball on screen and falling, the logo pieces shown: the most copies a frame makes.
  for (int i = 0; i < LOGO_BALL_COUNT; i++) {
    LogoBalls[i].Y = 100 + (i * 37) % 300;
    LogoBalls[i].Vy = 0;
  }
  LogoBall saved[LOGO_BALL_COUNT];
  std::memcpy(saved, LogoBalls, sizeof saved);
  LogoPhase = 1;
  for (auto _ : state) {
    std::memcpy(LogoBalls, saved, sizeof saved);
    display.NextFrame();
    LogoScene();
  }
}
BENCHMARK(LogoFrame)->Unit(benchmark::kMicrosecond);

void SelectFrame(benchmark::State& state) {
  FrontDisplay display;
  SelectSetupScene();
  PaintPicture(TheDisplay().back);
  for (StageNode& node : StageNodes) node.Open = 1;
  StageNodes[0].Links[0] = &StageNodes[10];
  CurrentScene = SelectScene;
  for (auto _ : state) {
    display.NextFrame();
    SelectScene();
  }
}
BENCHMARK(SelectFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
