// PictureSlots: the game's 32 picture slots, each a surface with a copy of its pixels, the lookup
// tables of the blends, and the blit requests that draw from slot to slot and onto the back buffer.
#pragma once
#include <cstdint>
#include <memory>

#include "platform/surface.h"

typedef int32_t SurfaceId;
constexpr int SLOT_COUNT = 32;

struct SurfaceSlot {
  Surface surface;                  // none while the slot is free
  std::unique_ptr<Pixel[]> pixels;  // copy taken at the first bitmap load
  char name[32] = {};
  int32_t width = 0;
  int32_t height = 0;
  int32_t colorKey = 0;  // negative: none
  uint32_t flags = 0;    // SLOT_CREATED, SLOT_LOADED
  // Extent of the pixel copy: its row length and rows, fixed at the first load.
  int32_t copyWidth = 0;
  int32_t copyHeight = 0;
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
  Rect SrcRect;
  uint8_t Level;
  uint8_t Scale;
  uint8_t Angle;
  int32_t PivotX;
  int32_t PivotY;
  uint8_t Mode;
};

class PictureSlots {
 public:
  PictureSlots();
  ~PictureSlots();
  PictureSlots(const PictureSlots&) = delete;
  PictureSlots& operator=(const PictureSlots&) = delete;

  // The surface that copies and blends (kinds 0 and 1) draw onto.
  void DrawOnto(Surface& backbuffer) { backbuffer_ = &backbuffer; }
  // Takes the first free slot for a black picture of width x height, keyed with colorKey unless
  // it is negative; false, the slot left free, when no slot or no surface can be had.
  bool MakeSurface(SurfaceId* id, int32_t width, int32_t height, int32_t colorKey);
  void FillSurface(SurfaceId id, Pixel color);
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

  // The slot's surface pixels and its row length in bytes; null for a slot without a surface.
  Pixel* SlotPixels(SurfaceId id, int32_t* pitch);

  SurfaceSlot slots_[SLOT_COUNT];
  Surface* backbuffer_ = nullptr;
};

// Loads a bitmap file into a surface at (0, 0), silently; the surface is unchanged on failure.
void LoadBitmapSurface(Surface& surface, const char* name);
