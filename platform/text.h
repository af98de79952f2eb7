// Text on surfaces: UTF-8 laid out in fixed cells, a half-width cell for ASCII and half-width
// katakana and a full-width one (twice as wide) for every other character, drawn with a
// TrueType Japanese face; and one-pixel lines.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/surface.h"

struct GlyphCells;

class Font {
 public:
  // No font: text drawn with it comes out in plain 16 x 8 cells.
  Font();
  // kobako's face: Komatuna (fonts-komatuna), else IPA Gothic (fonts-ipafont-gothic), else any
  // Japanese face, in cells `cellHeight` pixels high and `halfWidth` wide.
  Font(int cellHeight, int halfWidth, bool bold = false);
  ~Font();
  Font(Font&&) noexcept;
  Font& operator=(Font&&) noexcept;

  explicit operator bool() const { return cells_ != nullptr; }
  GlyphCells& Cells() const;

 private:
  std::unique_ptr<GlyphCells> cells_;
};

// Half-width cells the character takes: 1 for ASCII and half-width katakana, else 2.
int CellsOf(char32_t c);
// The code points of UTF-8 text; a byte that starts no character becomes U+FFFD.
std::u32string CodePoints(std::string_view utf8);
std::string Utf8(std::u32string_view text);

// One line with its first cell's top-left at `at`; only the ink is drawn.
void DrawText(Surface& surface, const Font& font, std::u32string_view text, Point at, Pixel ink);
// Lines split at CR LF (a lone CR or LF breaks too), each centred between the area's sides, one
// cell high each from its top, clipped to the area.
void DrawTextCentred(Surface& surface, const Font& font, std::u32string_view text, Rect area,
                     Pixel ink);
// Every line of text drawn from now on is also handed to the watcher with its first cell's
// top-left (the headless runner's text log); an empty watcher stops it.
using TextWatcher = std::function<void(Point at, std::u32string_view line)>;
void WatchText(TextWatcher watcher);
// A one-pixel line in `ink`, `to` itself left out.
void DrawLine(Surface& surface, Point from, Point to, Pixel ink);
