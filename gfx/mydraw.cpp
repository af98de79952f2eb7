// MyDDraw: construction with its lookup tables, the surface slots, locks and the debug log.
#include "gfx/mydraw.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "gfx/blit_area.h"
#include "platform/win.h"

MyDDraw::MyDDraw() {
  Log("\n----- ＜MyDDraw作成＞ -----");
  primary_ = nullptr;
  dd_ = nullptr;
  backbuffer_ = nullptr;
  std::memset(slots_, 0, sizeof(slots_));

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

MyDDraw::~MyDDraw() {
  for (int i = 0; i < SLOT_COUNT; ++i) {
    SurfaceSlot& slot = slots_[i];
    if (!(slot.flags & SLOT_LOADED)) continue;
    LogValue("\t メモリ領域解放", i);
    delete[] slot.pixels;
    slot.pixels = nullptr;
    Log("\t 解放成功");
  }
  ReleaseDevice();
  Log("\n----- ＜MyDDraw破棄＞ -----");
}

void MyDDraw::AttachDevice(LPDIRECTDRAWSURFACE& primary, LPDIRECTDRAWSURFACE& backbuffer,
                           LPDIRECTDRAW& dd) {
  primary_ = primary;
  backbuffer_ = &backbuffer;
  dd_ = &dd;
}

bool MyDDraw::MakeSurface(SurfaceId* id, int32_t width, int32_t height, int32_t colorKey,
                          uint8_t memoryKind) {
  Log("\t MyDDraw：サーフェイスを作成する");
  int found = -1;
  for (int i = 0; i < SLOT_COUNT; ++i) {
    if (slots_[i].surface == nullptr) {
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
  slot.memoryKind = memoryKind;
  slot.flags |= SLOT_CREATED;
  // Every slot lives in system memory whatever memoryKind says, so pixel work is plain memory.
  LPDIRECTDRAWSURFACE surface = nullptr;
  if (dd_ != nullptr && *dd_ != nullptr) (*dd_)->CreateSurface(width, height, &surface);
  if (surface == nullptr) {
    // The slot stays free and nothing will ever touch a surface that does not exist.
    std::memset(&slot, 0, sizeof(slot));
    return false;
  }
  slot.surface = surface;
  if (colorKey >= 0) {
    DDCOLORKEY key{static_cast<DWORD>(colorKey), static_cast<DWORD>(colorKey)};
    surface->SetColorKey(DDCKEY_SRCBLT, &key);
  }
  FillSurface(found, 0);
  Log("\t MyDDraw：サーフェイス作成完了");
  return true;
}

void MyDDraw::FillSurface(SurfaceId id, uint16_t color) {
  if (!IsSlotId(id)) return;
  const SurfaceSlot& slot = slots_[id];
  FillSurfaceRect(slot.surface, 0, 0, slot.width, slot.height, color);
}

uint16_t* MyDDraw::LockSlot(SurfaceId id, int32_t* pitch) {
  if (!IsSlotId(id) || slots_[id].surface == nullptr) return nullptr;
  void* bits = nullptr;
  slots_[id].surface->Lock(&bits, pitch);
  return static_cast<uint16_t*>(bits);
}

bool MyDDraw::UnlockSlot(SurfaceId id) {
  if (IsSlotId(id) && slots_[id].surface != nullptr) slots_[id].surface->Unlock();
  return true;
}

void MyDDraw::ReleaseDevice() {
  LogText("\t MyDDraw：解放処理開始", "MyDDraw");
  LogText("\t MyDDraw：解放処理終了", "MyDDraw");
}

void MyDDraw::Log(const char* text) {
  OutputDebugLine(text);
}

void MyDDraw::LogValue(const char* text, int value) {
  OutputDebugLine(std::string(text) + "= " + std::to_string(value));
}

void MyDDraw::LogText(const char* text, const char* value) {
  OutputDebugLine(std::string(text) + "= <" + value + ">");
}

void FillSurfaceRect(LPDIRECTDRAWSURFACE surface, int left, int top, int right, int bottom,
                     uint16_t color) {
  if (surface == nullptr) return;
  RECT rect{std::max(left, 0), std::max(top, 0), std::min(right, surface->Width()),
            std::min(bottom, surface->Height())};
  if (rect.right <= rect.left || rect.bottom <= rect.top) return;
  surface->Blt(&rect, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, color);
}
