#include "tools/assetgen/text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "platform/language.h"
#include "platform/text.h"

namespace assetgen {
namespace {

struct Coverage {
  int width = 0, height = 0;
  std::vector<float> alpha;
  float At(int x, int y) const {
    return x >= 0 && y >= 0 && x < width && y < height ? alpha[y * width + x] : 0.0f;
  }
};

// Renders white text on black through the platform and shrinks it to 0..1 coverage.
Coverage Render(const std::u32string& text, const TextStyle& style) {
  const int ss = std::max(1, style.supersample);
  int cells = 0;
  for (char32_t c : text) cells += CellsOf(c);
  const int width = cells * style.cellWidth;
  const int height = style.cellHeight;
  Coverage cov;
  cov.width = width;
  cov.height = height;
  cov.alpha.assign(static_cast<size_t>(width) * height, 0.0f);
  if (width == 0) return cov;
  Surface surface(width * ss, height * ss);
  if (!surface) return cov;
  const Font font(height * ss, style.cellWidth * ss, /*bold=*/true);
  DrawText(surface, font, text, {0, 0}, Rgb565(255, 255, 255));
  const Pixel* bits = surface.Pixels();
  const int pitch = surface.Width();
  const float samples = static_cast<float>(ss * ss);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      int lit = 0;
      for (int j = 0; j < ss; ++j) {
        const Pixel* row = bits + (y * ss + j) * pitch;
        for (int i = 0; i < ss; ++i) lit += row[x * ss + i] != 0;
      }
      cov.alpha[y * width + x] = lit / samples;
    }
  return cov;
}

// On a transparent (black) pixel a half-covered edge is either drawn or left out: a blend
// with black would leave a dark fringe that the colour key does not remove.
void Put(Canvas& canvas, int x, int y, Rgb c, float alpha) {
  if (!canvas.Inside(x, y) || alpha <= 0.02f) return;
  if (canvas.Get(x, y) == kKey) {
    if (alpha >= 0.45f) canvas.Set(x, y, c);
  } else {
    canvas.Blend(x, y, c, alpha);
  }
}

// The lettering grown by r pixels in every direction: the text drawn again at every offset
// within the radius, which is how the outline and the shadow get their thickness.
Coverage Grown(const Coverage& cov, int r) {
  Coverage out;
  out.width = cov.width + 2 * r;
  out.height = cov.height + 2 * r;
  out.alpha.assign(static_cast<size_t>(out.width) * out.height, 0.0f);
  for (int j = 0; j < out.height; ++j)
    for (int i = 0; i < out.width; ++i) {
      float a = 0;
      for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx)
          if (dx * dx + dy * dy <= r * r + r) a = std::max(a, cov.At(i - r + dx, j - r + dy));
      out.alpha[j * out.width + i] = a;
    }
  return out;
}

void PutAll(Canvas& canvas, int x, int y, const Coverage& cov, Rgb color) {
  for (int j = 0; j < cov.height; ++j)
    for (int i = 0; i < cov.width; ++i) Put(canvas, x + i, y + j, color, cov.At(i, j));
}

}  // namespace

int TextWidth(const std::string& utf8, const TextStyle& style) {
  int cells = 0;
  for (char32_t c : CodePoints(utf8)) cells += CellsOf(c);
  return cells * style.cellWidth;
}

void DrawText(Canvas& canvas, int x, int y, const std::string& utf8, const TextStyle& style) {
  const Coverage cov = Render(CodePoints(utf8), style);
  const bool outlined = style.outline != kKey && style.outlineWidth > 0;
  const int r = outlined ? style.outlineWidth : 0;
  const Coverage grown = Grown(cov, r);
  if (style.shadow != kKey && style.shadowOffset > 0) {
    const int d = style.shadowOffset;
    PutAll(canvas, x - r + d, y - r + d, grown, Opaque(style.shadow));
  }
  if (outlined) PutAll(canvas, x - r, y - r, grown, Opaque(style.outline));
  for (int j = 0; j < cov.height; ++j) {
    const double t = cov.height > 1 ? static_cast<double>(j) / (cov.height - 1) : 0;
    const Rgb fill = style.fillBottom == kKey ? style.fill : Mix(style.fill, style.fillBottom, t);
    for (int i = 0; i < cov.width; ++i) Put(canvas, x + i, y + j, Opaque(fill), cov.At(i, j));
  }
}

TextStyle Fitted(const std::string& utf8, const TextStyle& style, int maxWidth) {
  const int width = TextWidth(utf8, style);
  if (maxWidth <= 0 || width <= maxWidth || style.cellWidth <= 0) return style;
  TextStyle fitted = style;
  const int cells = width / style.cellWidth;
  fitted.cellWidth = std::max(1, maxWidth / cells);
  if (fitted.cellWidth * 3 < style.cellWidth * 2) {
    fitted.cellHeight =
        std::max(8, style.cellHeight * fitted.cellWidth * 3 / (style.cellWidth * 2));
  }
  return fitted;
}

void DrawTextCentered(Canvas& canvas, int cx, int y, const std::string& utf8,
                      const TextStyle& style, int maxWidth) {
  const TextStyle fitted = Fitted(utf8, style, maxWidth);
  // Smaller letters keep the middle of the line where it was.
  const int top = y + (style.cellHeight - fitted.cellHeight) / 2;
  DrawText(canvas, cx - TextWidth(utf8, fitted) / 2, top, utf8, fitted);
}

std::vector<std::string> Pieces(const char* japanese, size_t count) {
  const std::string text = Translated(japanese);
  std::vector<std::string> pieces;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t space = text.find(' ', start);
    const size_t end = space == std::string::npos ? text.size() : space;
    if (end > start) pieces.push_back(text.substr(start, end - start));
    if (space == std::string::npos) break;
    start = space + 1;
  }
  if (pieces.size() != count) {
    std::fprintf(stderr, "kobako-assetgen: \"%s\" in %s has %zu pieces, not %zu\n", text.c_str(),
                 CurrentLanguage().c_str(), pieces.size(), count);
    std::exit(1);
  }
  return pieces;
}

}  // namespace assetgen
