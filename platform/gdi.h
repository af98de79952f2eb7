// A drawing context on a surface: text (Shift-JIS bytes in, drawn with a TrueType Japanese
// font), lines with the default black pen, and bitmaps loaded from files.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/ddraw.h"
#include "platform/types.h"

constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;
constexpr unsigned DT_CENTER = 0x01;
constexpr int SHIFTJIS_CHARSET = 128;
constexpr int PROOF_QUALITY = 2;
constexpr int FIXED_PITCH = 1;
constexpr int FF_MODERN = 0x30;

struct Font;
typedef Font* HFONT;

struct DeviceContext {
  DirectDrawSurface* surface = nullptr;
  int bkMode = OPAQUE;
  COLORREF textColor = RGB(0, 0, 0);
  COLORREF bkColor = RGB(255, 255, 255);
  HFONT font = nullptr;
  POINT penPos{0, 0};
};

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                  DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, const char* faceName);
void DeleteObject(HFONT font);
HFONT SelectObject(HDC dc, HFONT font);
int SetBkMode(HDC dc, int mode);
COLORREF SetTextColor(HDC dc, COLORREF color);
// text is Shift-JIS (CP932) bytes, len bytes long.
bool TextOutA(HDC dc, int x, int y, const char* text, int len);
// Lines split at CR LF; each centred in rect with DT_CENTER; clipped to rect.
int DrawTextA(HDC dc, const char* text, int len, RECT* rect, unsigned format);
bool MoveToEx(HDC dc, int x, int y, POINT* old);
// Draws from the pen position to (x, y), the last point excluded.
bool LineTo(HDC dc, int x, int y);

// Shift-JIS <-> UTF-8 for the game's own texts and for tests.
std::string ShiftJisFromUtf8(const std::string& utf8);
std::string Utf8FromShiftJis(const std::string& sjis);

// A bitmap file read into memory: pixels already in RGB565 (channels truncated), top row first.
struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<uint16_t> pixels;
  uint32_t colorTable[256] = {};  // blue, green, red, reserved as in the file; zero if none
};
typedef Bitmap* HBITMAP;

// Finds the file whatever the case of its letters, with '\' or '/' as separators.
// Returns the path as it exists on disk, or an empty string.
std::string FindFileNoCase(const char* name);
// True for a name that stays inside the folder it is looked up from: not empty, not absolute,
// and no ".." among its parts ('/' and '\\' both separate them).
bool IsDataRelativeName(const char* name);
// LoadImageA(file, bitmap, from file, DIB section): null when the file is missing or unreadable.
HBITMAP LoadImageA(const char* name);
// Reads a BMP held in memory (for tests and the fuzzer); null when it is not a usable bitmap.
HBITMAP LoadBitmapFromMemory(const void* data, size_t size);
void DeleteObject(HBITMAP bitmap);
// Copies the bitmap's (0, 0, w, h) into the context's surface at (x, y), clipped to the surface.
bool BitBlt(HDC dc, int x, int y, int w, int h, HBITMAP bitmap, int sx, int sy);
