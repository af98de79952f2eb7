// Glyphs rendered once by SDL_ttf (no anti-aliasing: the game's text is drawn sharp) and kept as
// cell-sized masks.
#include <SDL.h>

#include <algorithm>
#include <map>
#include <string>

#include "platform/debug.h"
#include "platform/font_lookup.h"
#include "platform/glyph_cells.h"
#include "platform/language.h"

namespace {

constexpr int kMaxCell = 1024;

const FontFile& FontFor(const std::string& face) {
  // Asking fontconfig costs a directory scan; the game asks for one face all run long.
  static std::map<std::string, FontFile> known;
  auto it = known.find(face);
  if (it == known.end()) it = known.emplace(face, FindFontFile(face.c_str())).first;
  return it->second;
}

// A wide character whose ink spans the full height of the face's ideographs.
constexpr uint32_t kReferenceGlyph = 0x56FD;  // 国

// Sizes the face so that its ideographs fill the cell with a pixel to spare above and below,
// as the game's pop face fills its 20-pixel cells. Returns where the top of a rendered glyph
// (its ascent line) goes relative to the top of the cell.
int FitToCell(TTF_Font* font, int cellHeight) {
  if (TTF_GlyphIsProvided32(font, kReferenceGlyph)) {
    const int room = std::max(cellHeight - 2, 1);
    auto inkHeight = [&](int size, int* minY, int* maxY) {
      int minx, maxx, advance;
      if (TTF_SetFontSize(font, size) != 0 ||
          TTF_GlyphMetrics32(font, kReferenceGlyph, &minx, &maxx, minY, maxY, &advance) != 0) {
        return INT32_MAX;
      }
      return *maxY - *minY;
    };
    // Ink height grows with the size: search for the largest size that still fits.
    int low = 1, high = 2 * cellHeight, minY = 0, maxY = 0;
    while (low < high) {
      const int mid = (low + high + 1) / 2;
      if (inkHeight(mid, &minY, &maxY) <= room) {
        low = mid;
      } else {
        high = mid - 1;
      }
    }
    inkHeight(low, &minY, &maxY);
    // Centre the reference ink in the cell; a rendered glyph's top row is its ascent line.
    const int inkTop = (cellHeight - (maxY - minY)) / 2;
    return inkTop + maxY - TTF_FontAscent(font);
  }
  // A face without ideographs: the largest size whose line still fits in the cell.
  int size = cellHeight;
  TTF_SetFontSize(font, size);
  while (TTF_FontHeight(font) > cellHeight && size > 1) TTF_SetFontSize(font, --size);
  return (cellHeight - TTF_FontHeight(font)) / 2;
}

// From the top of the tallest Latin letter to the foot of the deepest, in pixels at the face's
// present size, and the tallest letter's height over the baseline.
int LatinExtent(TTF_Font* font, int* tallest) {
  int top = 0, foot = 0;
  for (uint32_t c : {U'l', U'A', U'd', U'!', U'g', U'y', U'j', U'p', U'q'}) {
    int minx, maxx, minY, maxY, advance;
    if (TTF_GlyphMetrics32(font, c, &minx, &maxx, &minY, &maxY, &advance) == 0) {
      top = std::max(top, maxY);
      foot = std::min(foot, minY);
    }
  }
  *tallest = top;
  return top - foot;
}

// The face is sized for ideographs, and Latin descenders reach below their foot, out of the cell:
// Latin text gets the face at the largest size whose letters fit the cell from the top of "l" to
// the foot of "g", a pixel to spare above and below. Returns where a rendered glyph's top row
// goes in the cell.
int FitLatinToCell(TTF_Font* font, int cellHeight) {
  const int room = std::max(cellHeight - 2, 1);
  int size = cellHeight, tallest = 0;
  TTF_SetFontSize(font, size);
  while (LatinExtent(font, &tallest) > room && size > 1) TTF_SetFontSize(font, --size);
  const int extent = LatinExtent(font, &tallest);
  const int baseline = (cellHeight - extent) / 2 + tallest;
  return baseline - TTF_FontAscent(font);
}

}  // namespace

GlyphCells::GlyphCells(int cellHeight, int halfWidth, bool bold, const char* face)
    : cellHeight_(std::clamp(cellHeight, 1, kMaxCell)),
      halfWidth_(std::clamp(halfWidth, 1, kMaxCell / 2)),
      fullWidth_(2 * halfWidth_) {
  if (!TTF_WasInit() && TTF_Init() != 0) {
    DebugLine(std::string("font: no text, SDL_ttf did not start: ") + TTF_GetError());
    return;
  }
  const std::string name = face ? face : "";
  const FontFile& file = FontFor(name);
  if (file.path.empty()) return;
  ttf_ = TTF_OpenFontIndex(file.path.c_str(), cellHeight_, file.index);
  if (ttf_ == nullptr) {
    DebugLine("font: cannot open " + file.path + ": " + TTF_GetError());
    return;
  }
  if (bold) TTF_SetFontStyle(ttf_, TTF_STYLE_BOLD);
  glyphTop_ = FitToCell(ttf_, cellHeight_);
  // Japanese text keeps its letters as they always were; another language's text is Latin and
  // gets a face that keeps its descenders in the cell.
  if (CurrentLanguage() != GAME_LANGUAGE) {
    latin_ = TTF_OpenFontIndex(file.path.c_str(), cellHeight_, file.index);
    if (latin_ != nullptr) {
      if (bold) TTF_SetFontStyle(latin_, TTF_STYLE_BOLD);
      latinTop_ = FitLatinToCell(latin_, cellHeight_);
    }
  }
}

GlyphCells::~GlyphCells() {
  if (ttf_ != nullptr) TTF_CloseFont(ttf_);
  if (latin_ != nullptr) TTF_CloseFont(latin_);
}

const std::vector<uint8_t>& GlyphCells::CellMask(uint32_t codePoint, bool fullWidth) {
  const uint64_t key = (static_cast<uint64_t>(codePoint) << 1) | (fullWidth ? 1 : 0);
  auto it = masks_.find(key);
  if (it == masks_.end()) it = masks_.emplace(key, RenderMask(codePoint, fullWidth)).first;
  return it->second;
}

std::vector<uint8_t> GlyphCells::RenderMask(uint32_t codePoint, bool fullWidth) {
  if (ttf_ == nullptr) return {};
  const int cellW = CellWidth(fullWidth);
  std::vector<uint8_t> mask(static_cast<size_t>(cellW) * cellHeight_, 0);
  TTF_Font* face = !fullWidth && latin_ != nullptr ? latin_ : ttf_;
  SDL_Surface* glyph = TTF_RenderGlyph32_Solid(face, codePoint, SDL_Color{255, 255, 255, 255});
  if (glyph == nullptr) return mask;
  if (glyph->w > 0 && glyph->h > 0 && glyph->format->BytesPerPixel == 1 &&
      SDL_LockSurface(glyph) == 0) {
    // Centred in its cell; a glyph wider than the cell is squeezed to the width asked for.
    const int offX = glyph->w <= cellW ? (cellW - glyph->w) / 2 : 0;
    const int offY = face == latin_ ? latinTop_ : glyphTop_;
    const auto* pixels = static_cast<const uint8_t*>(glyph->pixels);
    for (int y = 0; y < cellHeight_; ++y) {
      const int gy = y - offY;
      if (gy < 0 || gy >= glyph->h) continue;
      for (int x = 0; x < cellW; ++x) {
        const int gx = glyph->w <= cellW ? x - offX : x * glyph->w / cellW;
        if (gx < 0 || gx >= glyph->w) continue;
        if (pixels[gy * glyph->pitch + gx] != 0) mask[static_cast<size_t>(y) * cellW + x] = 1;
      }
    }
    SDL_UnlockSurface(glyph);
  }
  SDL_FreeSurface(glyph);
  return mask;
}
