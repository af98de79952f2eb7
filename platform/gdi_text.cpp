// Text on a drawing context: Shift-JIS bytes laid out in fixed cells, 12 pixels for a one-byte
// character and 24 for a two-byte one at the game's font size.
#include <algorithm>
#include <cstring>

#include "platform/font.h"
#include "platform/gdi.h"
#include "platform/sjis.h"

namespace {

uint16_t Rgb565(COLORREF c) {
  const uint32_t r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
  return static_cast<uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}

// GDI draws with its system font until a font is selected.
Font& SystemFont() {
  static Font* font = new Font(16, 8, false, "");
  return *font;
}

RECT SurfaceClip(const DirectDrawSurface& s, const RECT& clip) {
  return RECT{std::max(clip.left, 0), std::max(clip.top, 0), std::min(clip.right, s.Width()),
              std::min(clip.bottom, s.Height())};
}

int TextWidth(const Font& font, const char* text, int len) {
  int width = 0;
  for (int i = 0; i < len;) {
    const int n = ShiftJisCharLength(text + i, len - i);
    width += font.CellWidth(n == 2);
    i += n;
  }
  return width;
}

// Draws one line of text with its first cell's top-left at (x, y), inside clip only.
void DrawRun(DeviceContext& dc, int x, int y, const char* text, int len, const RECT& clip) {
  DirectDrawSurface& surface = *dc.surface;
  const RECT c = SurfaceClip(surface, clip);
  if (c.right <= c.left || c.bottom <= c.top) return;
  Font& font = dc.font ? *dc.font : SystemFont();
  const uint16_t ink = Rgb565(dc.textColor);
  const uint16_t paper = Rgb565(dc.bkColor);
  const int cellH = font.CellHeight();
  uint16_t* pixels = surface.Pixels();
  const int pitch = surface.Width();
  int64_t penX = x;
  for (int i = 0; i < len && penX < c.right;) {
    const int n = ShiftJisCharLength(text + i, len - i);
    const int cellW = font.CellWidth(n == 2);
    const int64_t left = std::max<int64_t>(penX, c.left),
                  right = std::min<int64_t>(penX + cellW, c.right);
    const int64_t top = std::max<int64_t>(y, c.top),
                  bottom = std::min<int64_t>(int64_t{y} + cellH, c.bottom);
    if (left < right && top < bottom) {
      if (dc.bkMode == OPAQUE) {
        for (int64_t py = top; py < bottom; ++py) {
          std::fill(pixels + py * pitch + left, pixels + py * pitch + right, paper);
        }
      }
      // A character the code page does not know is left out; its cell still counts.
      const uint32_t cp = CodePointOfShiftJis(text + i, n);
      const std::vector<uint8_t>* mask = cp > 0x20 ? &font.CellMask(cp, n == 2) : nullptr;
      if (mask != nullptr && !mask->empty()) {
        for (int64_t py = top; py < bottom; ++py) {
          const uint8_t* row = mask->data() + (py - y) * cellW;
          for (int64_t px = left; px < right; ++px) {
            if (row[px - penX]) pixels[py * pitch + px] = ink;
          }
        }
      }
    }
    penX += cellW;
    i += n;
  }
}

}  // namespace

HFONT CreateFontA(int height, int width, int, int, int weight, DWORD, DWORD, DWORD, DWORD, DWORD,
                  DWORD, DWORD, DWORD, const char* faceName) {
  // A negative height asks for the character height, which for these cells is the same thing.
  int cellHeight = height < 0 ? -height : height;
  if (cellHeight == 0) cellHeight = 16;
  const int halfWidth = width > 0 ? width : (cellHeight + 1) / 2;
  // Weights from semi-bold (600) up are drawn emboldened, as GDI synthesises them.
  return new Font(cellHeight, halfWidth, weight >= 600, faceName);
}

void DeleteObject(HFONT font) {
  delete font;
}

HFONT SelectObject(HDC dc, HFONT font) {
  if (dc == nullptr) return nullptr;
  HFONT old = dc->font;
  dc->font = font;
  return old;
}

int SetBkMode(HDC dc, int mode) {
  if (dc == nullptr) return 0;
  const int old = dc->bkMode;
  dc->bkMode = mode;
  return old;
}

COLORREF SetTextColor(HDC dc, COLORREF color) {
  if (dc == nullptr) return 0;
  const COLORREF old = dc->textColor;
  dc->textColor = color;
  return old;
}

bool TextOutA(HDC dc, int x, int y, const char* text, int len) {
  if (dc == nullptr || dc->surface == nullptr || text == nullptr || len < 0) return false;
  DrawRun(*dc, x, y, text, len, RECT{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX});
  return true;
}

int DrawTextA(HDC dc, const char* text, int len, RECT* rect, unsigned format) {
  if (dc == nullptr || dc->surface == nullptr || text == nullptr || rect == nullptr) return 0;
  if (len < 0) len = static_cast<int>(std::strlen(text));
  Font& font = dc->font ? *dc->font : SystemFont();
  int64_t y = rect->top;
  int lineStart = 0;
  for (int i = 0; i <= len;) {
    const bool end = i == len;
    const bool newline = !end && (text[i] == '\r' || text[i] == '\n');
    if (!end && !newline) {
      i += ShiftJisCharLength(text + i, len - i);
      continue;
    }
    const int lineLen = i - lineStart;
    const int width = TextWidth(font, text + lineStart, lineLen);
    const int64_t x =
        (format & DT_CENTER) ? (int64_t{rect->left} + rect->right - width) / 2 : rect->left;
    if (y < INT32_MAX && x > INT32_MIN && x < INT32_MAX) {
      DrawRun(*dc, static_cast<int>(x), static_cast<int>(y), text + lineStart, lineLen, *rect);
    }
    y += font.CellHeight();
    if (end) break;
    // CR LF is one break; a lone CR or LF is one too.
    i += (text[i] == '\r' && i + 1 < len && text[i + 1] == '\n') ? 2 : 1;
    lineStart = i;
  }
  return static_cast<int>(std::min<int64_t>(y - rect->top, INT32_MAX));
}
