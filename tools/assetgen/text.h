// Japanese lettering for the pictures, drawn with the game's own font stack (the platform's
// drawing context) at a larger size, smoothed by drawing it bigger and shrinking it.
#pragma once
#include <string>
#include <vector>

#include "tools/assetgen/raster.h"

namespace assetgen {

struct TextStyle {
  int cellHeight = 20;  // a full-width glyph is cellHeight high and 2 * cellWidth wide
  int cellWidth = 12;
  Rgb fill = MakeRgb(240, 240, 240);
  Rgb fillBottom = kKey;  // kKey: one colour; otherwise a top-to-bottom gradient
  Rgb outline = kKey;     // kKey: no outline
  int outlineWidth = 0;
  Rgb shadow = kKey;  // kKey: no drop shadow
  int shadowOffset = 0;
  int supersample = 3;
};

// Width in pixels of the text as the game's fixed-pitch font sets it.
int TextWidth(const std::string& utf8, const TextStyle& style);
// Draws with (x, y) the top-left corner of the first glyph cell.
void DrawText(Canvas& canvas, int x, int y, const std::string& utf8, const TextStyle& style);
// Centred on cx.
void DrawTextCentered(Canvas& canvas, int cx, int y, const std::string& utf8,
                      const TextStyle& style);

}  // namespace assetgen
