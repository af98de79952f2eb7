// What a frame costs at the platform level: the present copy, sprite copies, the pop-in
// stretch, the message text redrawn every frame, and reading a screen-sized bitmap.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/surface.h"
#include "platform/text.h"

namespace {

void BM_WholeFrameCopy(benchmark::State& state) {
  Surface back(640, 480), target(640, 480);
  for (auto _ : state) target.CopyFrom({0, 0}, back, SCREEN_RECT);
}
BENCHMARK(BM_WholeFrameCopy);

void BM_KeyedSpriteCopy(benchmark::State& state) {
  Surface sprite(100, 100), back(640, 480);
  for (int i = 0; i < 100 * 100; ++i) sprite.Pixels()[i] = (i % 3) ? 0xF800 : 0;
  sprite.SetKey(0);
  for (auto _ : state) back.CopyFrom({270, 190}, sprite, Rect{0, 0, 100, 100}, kKeyed);
}
BENCHMARK(BM_KeyedSpriteCopy);

void BM_PopInStretch(benchmark::State& state) {
  Surface node(100, 100), back(640, 480);
  node.SetKey(0);
  const Rect from{0, 0, 100, 100}, to{235, 215, 365, 300};
  for (auto _ : state) back.StretchFrom(to, node, from, kKeyed);
}
BENCHMARK(BM_PopInStretch);

void BM_MessageWindowText(benchmark::State& state) {
  Surface back(640, 480);
  const Font font(20, 12);
  const std::u32string text =
      U"おねーさんをたすけた！\r\nまおうのしろはまだとおい。\r\nつぎのステージへすすもう。";
  for (auto _ : state) DrawTextCentred(back, font, text, Rect{80, 50, 450, 140}, 0);
}
BENCHMARK(BM_MessageWindowText);

void BM_ReadScreenBitmap(benchmark::State& state) {
  // A 640 x 480 24-bit file, bottom-up, built in place.
  const int w = 640, h = 480, stride = w * 3;
  std::vector<uint8_t> file(54 + stride * h, 0);
  auto put32 = [&](int at, uint32_t v) {
    for (int i = 0; i < 4; ++i) file[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  file[0] = 'B';
  file[1] = 'M';
  put32(2, static_cast<uint32_t>(file.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, w);
  put32(22, h);
  file[26] = 1;
  file[28] = 24;
  for (size_t i = 54; i < file.size(); ++i) file[i] = static_cast<uint8_t>(i * 7);
  for (auto _ : state) benchmark::DoNotOptimize(LoadBitmapFromMemory(file.data(), file.size()));
}
BENCHMARK(BM_ReadScreenBitmap);

}  // namespace

BENCHMARK_MAIN();
