// What a frame costs at the platform level: the present copy, sprite copies, the pop-in
// stretch, the message text redrawn every frame, and reading a screen-sized bitmap.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/gdi.h"

namespace {

void BM_WholeFrameCopy(benchmark::State& state) {
  DirectDrawSurface back(640, 480, false), target(640, 480, false);
  RECT all{0, 0, 640, 480};
  for (auto _ : state) target.BltFast(0, 0, &back, &all, DDBLTFAST_WAIT);
}
BENCHMARK(BM_WholeFrameCopy);

void BM_KeyedSpriteCopy(benchmark::State& state) {
  DirectDrawSurface sprite(100, 100, false), back(640, 480, false);
  for (int i = 0; i < 100 * 100; ++i) sprite.Pixels()[i] = (i % 3) ? 0xF800 : 0;
  DDCOLORKEY key{0, 0};
  sprite.SetColorKey(DDCKEY_SRCBLT, &key);
  for (auto _ : state) back.BltFast(270, 190, &sprite, nullptr, DDBLTFAST_SRCCOLORKEY);
}
BENCHMARK(BM_KeyedSpriteCopy);

void BM_PopInStretch(benchmark::State& state) {
  DirectDrawSurface node(100, 100, false), back(640, 480, false);
  DDCOLORKEY key{0, 0};
  node.SetColorKey(DDCKEY_SRCBLT, &key);
  RECT from{0, 0, 100, 100}, to{235, 215, 365, 300};
  for (auto _ : state) back.Blt(&to, &node, &from, DDBLT_KEYSRC | DDBLT_WAIT);
}
BENCHMARK(BM_PopInStretch);

void BM_MessageWindowText(benchmark::State& state) {
  DirectDrawSurface back(640, 480, false);
  HFONT font = CreateFontA(20, 12, 0, 0, 0, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, PROOF_QUALITY,
                           FIXED_PITCH | FF_MODERN, "HGP創英角ﾎﾟｯﾌﾟ体");
  const std::string text = ShiftJisFromUtf8(
      "おねーさんをたすけた！\r\nまおうのしろはまだとおい。\r\nつぎのステージへすすもう。");
  RECT r{80, 50, 450, 140};
  for (auto _ : state) {
    HDC dc = nullptr;
    back.GetDC(&dc);
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, font);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CENTER);
    back.ReleaseDC(dc);
  }
  DeleteObject(font);
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
  for (auto _ : state) DeleteObject(LoadBitmapFromMemory(file.data(), file.size()));
}
BENCHMARK(BM_ReadScreenBitmap);

}  // namespace

BENCHMARK_MAIN();
