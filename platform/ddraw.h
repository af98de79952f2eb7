// Surfaces of 16-bit RGB565 pixels in plain memory, with the copies, fills and locks the game
// relies on. A surface flagged as primary shows itself on screen (through the backend) whenever
// something is copied or filled onto it.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/types.h"

// The game's screen: the display mode, the back buffer and every presented frame.
constexpr int SCREEN_W = 640;
constexpr int SCREEN_H = 480;

// BltFast flags.
constexpr DWORD DDBLTFAST_NOCOLORKEY = 0x00;
constexpr DWORD DDBLTFAST_SRCCOLORKEY = 0x01;
constexpr DWORD DDBLTFAST_WAIT = 0x10;
// Blt flags.
constexpr DWORD DDBLT_COLORFILL = 0x00000400;
constexpr DWORD DDBLT_KEYSRC = 0x00008000;
constexpr DWORD DDBLT_WAIT = 0x01000000;
// SetColorKey flag.
constexpr DWORD DDCKEY_SRCBLT = 0x08;

struct DDCOLORKEY {
  DWORD dwColorSpaceLowValue;
  DWORD dwColorSpaceHighValue;
};

struct DeviceContext;
typedef DeviceContext* HDC;

struct ScreenRect;

class DirectDrawSurface {
 public:
  DirectDrawSurface(int width, int height, bool primary);
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool IsPrimary() const { return primary_; }

  HRESULT SetColorKey(DWORD flags, const DDCOLORKEY* key);
  // Copies src's rectangle to (x, y). Callers clip first; whatever still falls outside either
  // surface is dropped, never written.
  HRESULT BltFast(int x, int y, DirectDrawSurface* src, const RECT* srcRect, DWORD flags);
  // Colour fill (DDBLT_COLORFILL, colour in fillColor) or a nearest-neighbour stretch of srcRect
  // onto dstRect (DDBLT_KEYSRC skips key pixels). dstRect null means the whole surface.
  HRESULT Blt(const RECT* dstRect, DirectDrawSurface* src, const RECT* srcRect, DWORD flags,
              uint16_t fillColor = 0);
  // Address of the first pixel and the pitch in bytes, valid until Unlock.
  HRESULT Lock(void** bits, int32_t* pitch);
  HRESULT Unlock();
  HRESULT GetDC(HDC* dc);
  HRESULT ReleaseDC(HDC dc);
  // Frees the surface; the pointer is dead afterwards.
  void Release();

  uint16_t* Pixels() { return pixels_.data(); }
  const uint16_t* Pixels() const { return pixels_.data(); }
  bool HasColorKey() const { return hasKey_; }
  uint16_t ColorKey() const { return key_; }
  // Shows the surface when it is the primary one; isPresent marks a whole-frame copy.
  void Changed(bool isPresent);

 private:
  // As Changed, with the part that differs from what was last shown when it is known.
  void Show(bool isPresent, const ScreenRect* part);

  int width_, height_;
  bool primary_;
  bool hasKey_ = false;
  uint16_t key_ = 0;
  std::vector<uint16_t> pixels_;
  int openWrites_ = 0;  // locks and drawing contexts handed out and not yet given back
};
typedef DirectDrawSurface* LPDIRECTDRAWSURFACE;

class DirectDraw {
 public:
  HRESULT SetCooperativeLevel(int window, DWORD flags);
  // Opens the display (the backend's window) in 640 x 480; fails when no display can be had.
  HRESULT SetDisplayMode(int width, int height, int bpp);
  HRESULT CreatePrimarySurface(LPDIRECTDRAWSURFACE* out);
  HRESULT CreateSurface(int width, int height, LPDIRECTDRAWSURFACE* out);
  HRESULT RestoreDisplayMode();
  void Release();
};
typedef DirectDraw* LPDIRECTDRAW;

HRESULT DirectDrawCreate(LPDIRECTDRAW* out);
