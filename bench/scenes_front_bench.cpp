// CPU time of one frame of the busiest front-end scenes on the headless backend: the logo with
// 100 balls and its ten pieces, and the stage select with all 11 nodes open and its 20 lines.
#include <benchmark/benchmark.h>

#include <cstring>

#include "app/shell.h"
#include "gfx/mydraw.h"
#include "platform/backend_headless.h"
#include "scenes/logo.h"
#include "scenes/select.h"
#include "world/stage_map.h"

namespace {

// The display surfaces and a virtual clock that moves one gate period per frame.
struct FrontDisplay {
  HeadlessBackend backend;
  FrontDisplay() {
    SetBackend(&backend);
    DirectDrawCreate(&lpDD);
    lpDD->CreatePrimarySurface(&lpPrimary);
    lpDD->CreateSurface(640, 480, &lpBackbuffer);
  }
  ~FrontDisplay() {
    lpDD->Release();
    lpDD = nullptr;
    lpPrimary = lpBackbuffer = lpBack = lpChar = nullptr;
    SetBackend(nullptr);
  }
  void NextFrame() { backend.SetClock(backend.PeekClock() + 40); }
};

// Paints a surface with stripes of colour and black, like a keyed picture.
void PaintPicture(LPDIRECTDRAWSURFACE s) {
  for (int y = 0; y < s->Height(); y += 4) {
    FillSurfaceRect(s, 0, y, s->Width(), y + 3, static_cast<uint16_t>(0x1234 + y));
  }
}

void LogoFrame(benchmark::State& state) {
  FrontDisplay display;
  LogoSetupScene();
  PaintPicture(lpBack);
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
  PaintPicture(lpBack);
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
