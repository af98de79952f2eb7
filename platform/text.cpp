// Text on surfaces in fixed cells: 12 pixels for a half-width character and 24 for a full-width
// one at the game's font size.
#include "platform/text.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <utility>

#include "platform/glyph_cells.h"

namespace {

TextWatcher textWatcher;

// Text drawn without a font comes out in these cells.
GlyphCells& PlainCells() {
  static GlyphCells* cells = new GlyphCells(16, 8, false, "");
  return *cells;
}

Rect SurfaceClip(const Surface& s, const Rect& clip) {
  return Rect{std::max(clip.left, 0), std::max(clip.top, 0), std::min(clip.right, s.Width()),
              std::min(clip.bottom, s.Height())};
}

int TextWidth(GlyphCells& cells, std::u32string_view text) {
  int width = 0;
  for (char32_t c : text) width += cells.CellWidth(CellsOf(c) == 2);
  return width;
}

// Draws one line of text with its first cell's top-left at (x, y), inside clip only.
void DrawRun(Surface& surface, GlyphCells& cells, int x, int y, std::u32string_view text,
             const Rect& clip, Pixel ink) {
  const Rect c = SurfaceClip(surface, clip);
  if (c.right <= c.left || c.bottom <= c.top) return;
  const int cellH = cells.CellHeight();
  Pixel* pixels = surface.Pixels();
  const int pitch = surface.Width();
  int64_t penX = x;
  for (size_t i = 0; i < text.size() && penX < c.right; ++i) {
    const char32_t cp = text[i];
    const bool full = CellsOf(cp) == 2;
    const int cellW = cells.CellWidth(full);
    const int64_t left = std::max<int64_t>(penX, c.left),
                  right = std::min<int64_t>(penX + cellW, c.right);
    const int64_t top = std::max<int64_t>(y, c.top),
                  bottom = std::min<int64_t>(int64_t{y} + cellH, c.bottom);
    // Spaces and characters the face cannot show are left out; their cells still count.
    if (left < right && top < bottom && cp > 0x20 && cp != 0x3000) {
      const std::vector<uint8_t>& mask = cells.CellMask(cp, full);
      if (!mask.empty()) {
        for (int64_t py = top; py < bottom; ++py) {
          const uint8_t* row = mask.data() + (py - y) * cellW;
          for (int64_t px = left; px < right; ++px) {
            if (row[px - penX]) pixels[py * pitch + px] = ink;
          }
        }
      }
    }
    penX += cellW;
  }
}

}  // namespace

Font::Font() = default;

Font::Font(int cellHeight, int halfWidth, bool bold)
    : cells_(std::make_unique<GlyphCells>(cellHeight, halfWidth, bold, "")) {}

Font::~Font() = default;
Font::Font(Font&&) noexcept = default;
Font& Font::operator=(Font&&) noexcept = default;

GlyphCells& Font::Cells() const {
  return cells_ ? *cells_ : PlainCells();
}

int CellsOf(char32_t c) {
  return c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F) ? 1 : 2;
}

std::u32string CodePoints(std::string_view utf8) {
  std::u32string out;
  for (size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int extra = lead < 0x80           ? 0
                      : (lead >> 5) == 0x06 ? 1
                      : (lead >> 4) == 0x0E ? 2
                      : (lead >> 3) == 0x1E ? 3
                                            : -1;
    char32_t cp = extra == 0   ? lead
                  : extra == 1 ? lead & 0x1F
                  : extra == 2 ? lead & 0x0F
                               : lead & 7;
    bool whole = extra >= 0 && i + extra < utf8.size();
    for (int k = 1; whole && k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + k]);
      whole = (next & 0xC0) == 0x80;
      cp = (cp << 6) | (next & 0x3F);
    }
    out.push_back(whole ? cp : U'\uFFFD');
    i += whole ? extra + 1 : 1;
  }
  return out;
}

std::string Utf8(std::u32string_view text) {
  std::string out;
  for (char32_t c : text) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

void WatchText(TextWatcher watcher) {
  textWatcher = std::move(watcher);
}

void DrawText(Surface& surface, const Font& font, std::u32string_view text, Point at, Pixel ink) {
  if (textWatcher) textWatcher(at, text);
  DrawRun(surface, font.Cells(), at.x, at.y, text, Rect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX},
          ink);
}

void DrawTextCentred(Surface& surface, const Font& font, std::u32string_view text, Rect area,
                     Pixel ink) {
  GlyphCells& cells = font.Cells();
  int64_t y = area.top;
  size_t lineStart = 0;
  for (size_t i = 0; i <= text.size();) {
    const bool end = i == text.size();
    const bool newline = !end && (text[i] == U'\r' || text[i] == U'\n');
    if (!end && !newline) {
      ++i;
      continue;
    }
    const std::u32string_view line = text.substr(lineStart, i - lineStart);
    const int64_t x = (int64_t{area.left} + area.right - TextWidth(cells, line)) / 2;
    if (y < INT32_MAX && x > INT32_MIN && x < INT32_MAX) {
      if (textWatcher) textWatcher(Point{static_cast<int>(x), static_cast<int>(y)}, line);
      DrawRun(surface, cells, static_cast<int>(x), static_cast<int>(y), line, area, ink);
    }
    y += cells.CellHeight();
    if (end) break;
    // CR LF is one break; a lone CR or LF is one too.
    i += (text[i] == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') ? 2 : 1;
    lineStart = i;
  }
}
