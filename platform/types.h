// Plain Win32-style types shared by the platform layer and the game.
#pragma once
#include <cstdint>

typedef int32_t HRESULT;
typedef uint32_t DWORD;
typedef uint32_t COLORREF;
constexpr HRESULT DD_OK = 0;
constexpr HRESULT DDERR_GENERIC = -1;

struct RECT {
  int32_t left, top, right, bottom;
};

struct POINT {
  int32_t x, y;
};

constexpr COLORREF RGB(int r, int g, int b) {
  return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
