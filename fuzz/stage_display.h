// A stage display on the headless backend for the play targets: the screen surfaces, the message
// font, the shared PictureSlots with its two pictures, and the stage sheets in plain colours. The
// pictures are written as small files into the scratch folder, so the real loaders read them.
#pragma once
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/shared_objects.h"
#include "app/shell.h"
#include "fuzz/scratch_dir.h"
#include "gfx/picture_slots.h"
#include "platform/backend.h"
#include "platform/backend_headless.h"
#include "platform/surface.h"
#include "tests/play_display.h"

namespace fuzzdisplay {

inline HeadlessBackend& Backend() {
  static HeadlessBackend backend;
  return backend;
}

// An uncompressed 24-bit bitmap file; colour gives 0xRRGGBB for (x, y), top row first.
inline void WriteBitmap(const std::string& name, int w, int h,
                        const std::function<uint32_t(int, int)>& colour) {
  const uint32_t rowBytes = (static_cast<uint32_t>(w) * 3 + 3) & ~3u;
  const uint32_t pixelBytes = rowBytes * static_cast<uint32_t>(h);
  std::vector<uint8_t> file(54 + pixelBytes, 0);
  auto put16 = [&](size_t at, uint32_t v) {
    file[at] = static_cast<uint8_t>(v);
    file[at + 1] = static_cast<uint8_t>(v >> 8);
  };
  auto put32 = [&](size_t at, uint32_t v) {
    put16(at, v & 0xFFFF);
    put16(at + 2, v >> 16);
  };
  file[0] = 'B';
  file[1] = 'M';
  put32(2, static_cast<uint32_t>(file.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(w));
  put32(22, static_cast<uint32_t>(h));
  put16(26, 1);
  put16(28, 24);
  put32(34, pixelBytes);
  for (int y = 0; y < h; y++) {
    uint8_t* row = file.data() + 54 + static_cast<size_t>(h - 1 - y) * rowBytes;
    for (int x = 0; x < w; x++) {
      const uint32_t c = colour(x, y);
      row[3 * x] = static_cast<uint8_t>(c);
      row[3 * x + 1] = static_cast<uint8_t>(c >> 8);
      row[3 * x + 2] = static_cast<uint8_t>(c >> 16);
    }
  }
  fuzzdir::WriteFile(name, file.data(), file.size());
}

// The window sheet: rescue background, message frame, portraits in bands of colour, black
// (transparent) elsewhere.
inline uint32_t FrameSheet(int x, int y) {
  if (y < 140) return x < 540 ? 0xF0F0E0 : 0;
  if (y < 280) return x < 440 ? 0x284028 : 0;
  if (y < 560) return x < 600 ? 0x400000u + 0x1800u * static_cast<uint32_t>(x / 100) : 0;
  return 0;
}

// A stage sheet of the display made black, keyed with black when asked.
inline void Sheet(Surface& s, int w, int h, bool keyed) {
  MakeSceneSurface(s, w, h);
  if (!s) std::abort();
  if (keyed) s.SetKey(0);
}

// Once per process, as the start-up and the stage start do; call inside the scratch folder.
inline void OpenStageDisplay() {
  SetBackend(&Backend());
  WriteBitmap("img/frame.bmp", 640, 1000, FrameSheet);
  WriteBitmap("img/Back.bmp", 64, 48, [](int, int) { return 0x202020u; });
  // A background a stage file can name ("@GB,img/back2.bmp"), smaller than the screen.
  WriteBitmap("img/back2.bmp", 96, 64, [](int x, int y) { return (x ^ y) & 8 ? 0x80A080u : 0; });

  ::OpenStageDisplay("img/frame.bmp", "img/Back.bmp");

  Display& display = TheDisplay();
  Sheet(display.item, 700, 1100, true);
  display.item.Fill(Rect{0, 0, 700, 42}, 0x07E0);     // floor
  display.item.Fill(Rect{0, 42, 700, 84}, 0x001F);    // marked floor
  display.item.Fill(Rect{0, 84, 700, 1100}, 0xF800);  // items
  Sheet(display.vill, 576, 1000, true);
  display.vill.Fill(0xF81F);
  Sheet(display.fram, 640, 1000, true);
  LoadBitmapSurface(display.fram, "img/frame.bmp");
  Sheet(display.clea, 640, 480, true);
  display.clea.Fill(Rect{0, 0, 300, 80}, 0xFFFF);
  Sheet(display.menu, 640, 480, false);
  Sheet(display.back, 640, 480, false);
  Sheet(display.chara, 640, 480, true);
}

// The two sheets a stage file may load pictures into back to their plain colours, so no input
// sees what an earlier one loaded.
inline void FillStageSheets() {
  Display& display = TheDisplay();
  display.back.Fill(0x8410);
  display.chara.Fill(0xFFE0);
}

// The background again after the ending released it.
inline void RemakeStageSheets() {
  Display& display = TheDisplay();
  if (!display.back) Sheet(display.back, 640, 480, false);
}

}  // namespace fuzzdisplay
