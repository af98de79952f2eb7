// CPU time of the heaviest play frames: a full stage (50 items, 11 villagers) drawn, animated and
// presented, and the rescue window's frames with their blend and text over that stage.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "app/shared_objects.h"
#include "app/shell.h"
#include "gfx/picture_slots.h"
#include "platform/backend_headless.h"
#include "platform/keys.h"
#include "platform/surface.h"
#include "play/stage_state.h"
#include "play/windows.h"
#include "scenes/play_scene.h"
#include "scenes/stage_start.h"
#include "tests/bitmap_file_writer.h"
#include "tests/play_display.h"
#include "world/world.h"

namespace {

HeadlessBackend backend;

// A stage sheet of the display in one colour, keyed with black.
void Sheet(Surface& s, int w, int h, uint16_t colour) {
  MakeSceneSurface(s, w, h);
  s.Fill(colour);
  s.SetKey(0);
}

// The display, the shared pictures (written to a scratch directory) and a crowded stage.
void BringUpStage() {
  static bool up = false;
  if (up) return;
  up = true;
  SetBackend(&backend);
  char dir[] = "/tmp/kobako_bench_XXXXXX";
  if (mkdtemp(dir) == nullptr) return;
  std::string frame = std::string(dir) + "/frame.bmp";
  WriteBitmapFile(frame, 640, 1000,
                  [](int x, int y) { return static_cast<uint16_t>((x * 31 + y * 7) | 0x0841); });
  OpenStageDisplay(frame.c_str(), frame.c_str());
  std::filesystem::remove_all(dir);

  Display& display = TheDisplay();
  Sheet(display.back, 640, 480, 0x4208);
  Sheet(display.item, 700, 1100, 0x07E0);
  Sheet(display.chara, 640, 480, 0xFFE0);
  Sheet(display.vill, 576, 1000, 0xF81F);
  Sheet(display.fram, 640, 1000, 0x2945);
  Sheet(display.clea, 640, 480, 0xFFFF);
  Sheet(display.menu, 640, 480, 0);

  FillTileTables();
  StageNo = 0;
  Area = 0;
  Chara = CharaRec{};
  Chara.TilePt = Chara.OldPt = {4, 4};
  Chara.Pos = TilePosition(4, 4);
  BMAX = ITEM_CAPACITY;
  for (int i = 0; i < BMAX; i++) {
    ItemRec& item = Items[i];
    item = ItemRec{};
    item.Item = i % 10;
    item.F = 1;
    item.TilePt = item.OldPt = {i % TMAX, (i / TMAX) % TMAX};
    item.Pos = TilePosition(item.TilePt.x, item.TilePt.y);
  }
  VMAX = VILL_CAPACITY;
  for (int i = 0; i < VMAX; i++) {
    VillRec& vill = Vills[i];
    vill = VillRec{};
    vill.Kind = 200 + i;
    vill.State = 1;
    vill.TilePt = {i % TMAX, 8 - i % TMAX};
    vill.Pos = TilePosition(vill.TilePt.x, vill.TilePt.y);
  }
  StageIntro = 0;
  StageClear = 0;
}

void BM_PlayFrame(benchmark::State& state) {
  BringUpStage();
  for (auto _ : state) {
    backend.SetClock(backend.PeekClock() + 40);
    PlayScene();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PlayFrame)->Unit(benchmark::kMillisecond);

// Runs the rescue window for 100 frames per iteration, the fade and the reveal included.
void BM_RescueWindowFrame(benchmark::State& state) {
  BringUpStage();
  constexpr int kFrames = 100;
  int shown = 0;
  backend.SetPresentHook([&shown](int) {
    if (++shown == kFrames) backend.SetKeyDown(Key::Space, true);
  });
  for (auto _ : state) {
    shown = 0;
    backend.SetKeyDown(Key::Space, false);
    SpaceHeld = 0;
    ShowRescue();
  }
  backend.SetPresentHook(nullptr);
  // Shown as the CPU time of one window frame.
  state.counters["per_frame"] =
      benchmark::Counter(static_cast<double>(state.iterations() * kFrames),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_RescueWindowFrame)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
