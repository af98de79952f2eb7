// MyDDraw: the game's display object with its 32 surface slots, pixel copies and lookup tables.
#pragma once
#include <cstdint>

#include "platform/ddraw.h"

typedef int32_t SurfaceId;
constexpr int SLOT_COUNT = 32;

struct SurfaceSlot {
  LPDIRECTDRAWSURFACE surface;
  uint16_t* pixels;  // copy taken at the first bitmap load
  char name[32];
  int32_t width;
  int32_t height;
  int32_t colorKey;  // negative: none
  uint32_t flags;    // SLOT_CREATED, SLOT_LOADED
  uint8_t memoryKind;
  // Extent of the pixel copy: its row length (pitch / 2) and rows, fixed at the first load.
  int32_t copyWidth;
  int32_t copyHeight;
};

// Slot flags.
enum : uint32_t {
  SLOT_CREATED = 1,
  SLOT_LOADED = 2,  // the pixel copy exists
};

// Mode: low four bits kind, high four bits variant.
enum : uint8_t {
  BLIT_COPY = 0,
  BLIT_BLEND = 1,
  BLIT_ZOOM = 2,
  BLIT_ZOOM_BLEND = 3,
  BLIT_ROTATE = 4,
  BLIT_DARKEN = 9,
  BLIT_TINT = 11,
};
enum : uint8_t {
  BLEND_ALPHA = 0x00,
  BLEND_ADD = 0x10,
  BLEND_SUB = 0x20,
  TINT_BLUE = 0x30,
  TINT_GREEN = 0x40,
  TINT_RED = 0x50,
};

struct BlitRequest {
  int32_t x;
  int32_t y;
  int32_t Dst;
  int32_t Src;
  RECT SrcRect;
  uint8_t Level;
  uint8_t Scale;
  uint8_t Angle;
  int32_t PivotX;
  int32_t PivotY;
  uint8_t Mode;
};

class MyDDraw {
 public:
  MyDDraw();
  ~MyDDraw();
  MyDDraw(const MyDDraw&) = delete;
  MyDDraw& operator=(const MyDDraw&) = delete;

  void AttachDevice(LPDIRECTDRAWSURFACE& primary, LPDIRECTDRAWSURFACE& backbuffer,
                    LPDIRECTDRAW& dd);
  bool MakeSurface(SurfaceId* id, int32_t width, int32_t height, int32_t colorKey,
                   uint8_t memoryKind);
  void FillSurface(SurfaceId id, uint16_t color);
  uint16_t* LockSlot(SurfaceId id, int32_t* pitch);
  bool UnlockSlot(SurfaceId id);
  bool ReadBitmap(SurfaceId id, const char* name);
  uint8_t Blit(BlitRequest& request);
  void ReleaseDevice();

  void Log(const char* text);
  void LogValue(const char* text, int value);
  void LogText(const char* text, const char* value);

  const SurfaceSlot& Slot(SurfaceId id) const { return slots_[id]; }

  // Lookup tables, built once at construction.
  int32_t MulTable[256][256];
  int32_t SubTable5[256][256];
  int32_t AddTable5[256][256];
  int32_t SubTable6[256][256];
  int32_t AddTable6[256][256];
  int32_t BiasTable5[64][64][128];
  int32_t BiasTable6[64][64][128];
  int32_t CosTable[256];
  int32_t SinTable[256];

 private:
  uint8_t BlitCopy(BlitRequest& r);
  uint8_t BlitBlend(BlitRequest& r);
  uint8_t BlitZoom(BlitRequest& r);
  uint8_t BlitZoomBlend(BlitRequest& r);
  uint8_t BlitRotate(BlitRequest& r);
  uint8_t BlitDarken(BlitRequest& r);
  uint8_t BlitTint(BlitRequest& r);

  LPDIRECTDRAWSURFACE primary_ = nullptr;
  LPDIRECTDRAW* dd_ = nullptr;
  SurfaceSlot slots_[SLOT_COUNT];
  LPDIRECTDRAWSURFACE* backbuffer_ = nullptr;
};

// Loads a bitmap file into any surface at (0, 0), silently; the surface is unchanged on failure.
void LoadBitmapSurface(LPDIRECTDRAWSURFACE surface, const char* name);
// Fills a rectangle of any surface with a raw 16-bit colour.
void FillSurfaceRect(LPDIRECTDRAWSURFACE surface, int left, int top, int right, int bottom,
                     uint16_t color);
