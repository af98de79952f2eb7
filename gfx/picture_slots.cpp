// PictureSlots: construction with its lookup tables, the surface slots and the debug log.
#include "gfx/picture_slots.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "gfx/blit_area.h"
#include "platform/debug.h"

PictureSlots::PictureSlots() {
  Log("\n----- ＜MyDDraw作成＞ -----");

  for (int i = 0; i < 256; ++i) {
    for (int j = 0; j < 256; ++j) {
      MulTable[i][j] = (i * j) >> 8;
      AddTable5[i][j] = std::min(i + j, 31);
      AddTable6[i][j] = std::min(i + j, 63);
      SubTable5[i][j] = std::max(i - j, 0);
      SubTable6[i][j] = std::max(i - j, 0);
    }
  }
  for (int i = 0; i < 64; ++i) {
    for (int j = 0; j < 64; ++j) {
      for (int k = 0; k < 128; ++k) {
        BiasTable6[i][j][k] = std::clamp(i + j + k - 64, 0, 63);
        BiasTable5[i][j][k] = std::clamp(i + j + k - 32, 0, 31);
      }
    }
  }
  // 3.1415 rather than pi: the turn comes out a hair short, and Angle 0 has a cosine of 0.
  for (int a = 0; a < 256; ++a) {
    const double t = (a + 64) * 3.1415 / 128;
    CosTable[a] = static_cast<int32_t>(std::cos(t) * 1024);
    SinTable[a] = static_cast<int32_t>(std::sin(t) * 1024);
  }
}

PictureSlots::~PictureSlots() {
  for (int i = 0; i < SLOT_COUNT; ++i) {
    SurfaceSlot& slot = slots_[i];
    if (!(slot.flags & SLOT_LOADED)) continue;
    LogValue("\t メモリ領域解放", i);
    slot.pixels.reset();
    Log("\t 解放成功");
  }
  ReleaseDevice();
  Log("\n----- ＜MyDDraw破棄＞ -----");
}

bool PictureSlots::MakeSurface(SurfaceId* id, int32_t width, int32_t height, int32_t colorKey) {
  Log("\t MyDDraw：サーフェイスを作成する");
  int found = -1;
  for (int i = 0; i < SLOT_COUNT; ++i) {
    if (!slots_[i].surface) {
      found = i;
      break;
    }
  }
  if (found < 0) return false;
  LogValue("\t MyDDraw：サーフェイス取得", found);
  *id = found;

  SurfaceSlot& slot = slots_[found];
  slot.width = width;
  slot.height = height;
  slot.colorKey = colorKey;
  slot.flags |= SLOT_CREATED;
  // Every slot lives in plain memory, so pixel work is plain memory.
  slot.surface = Surface(width, height);
  if (!slot.surface) {
    // The slot stays free and nothing will ever touch a surface that does not exist.
    slot = SurfaceSlot{};
    return false;
  }
  if (colorKey >= 0) slot.surface.SetKey(static_cast<Pixel>(colorKey));
  FillSurface(found, 0);
  Log("\t MyDDraw：サーフェイス作成完了");
  return true;
}

void PictureSlots::FillSurface(SurfaceId id, Pixel color) {
  if (!IsSlotId(id)) return;
  SurfaceSlot& slot = slots_[id];
  slot.surface.Fill(Rect{0, 0, slot.width, slot.height}, color);
}

Pixel* PictureSlots::SlotPixels(SurfaceId id, int32_t* pitch) {
  if (!IsSlotId(id) || !slots_[id].surface) return nullptr;
  *pitch = slots_[id].surface.Width() * 2;
  return slots_[id].surface.Pixels();
}

void PictureSlots::ReleaseDevice() {
  LogText("\t MyDDraw：解放処理開始", "MyDDraw");
  LogText("\t MyDDraw：解放処理終了", "MyDDraw");
}

void PictureSlots::Log(const char* text) {
  DebugLine(text);
}

void PictureSlots::LogValue(const char* text, int value) {
  DebugLine(std::string(text) + "= " + std::to_string(value));
}

void PictureSlots::LogText(const char* text, const char* value) {
  DebugLine(std::string(text) + "= <" + value + ">");
}
