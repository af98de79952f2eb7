// Lettering for the pictures, in the language being drawn, drawn with the game's own font stack
// (the platform's drawing context) at a larger size, smoothed by drawing it bigger and shrinking
// it.
#pragma once
#include <string>
#include <vector>

#include "platform/language.h"
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
// Centred on cx. Text wider than maxWidth (when given) is set in narrower cells, and smaller
// letters once the cells get narrower than two thirds, so that it fits.
void DrawTextCentered(Canvas& canvas, int cx, int y, const std::string& utf8,
                      const TextStyle& style, int maxWidth = 0);
// The style that sets the text within maxWidth (the style itself when it fits already).
TextStyle Fitted(const std::string& utf8, const TextStyle& style, int maxWidth);
// The translated text's pieces, one a space apart; exits with a complaint when the catalogue
// gives another number of pieces than the picture has room for.
std::vector<std::string> Pieces(const char* japanese, size_t count);

}  // namespace assetgen
