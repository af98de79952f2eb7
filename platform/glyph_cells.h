// A face in fixed character cells, half-width and full-width, drawn from a TrueType face.
#pragma once
#include <SDL_ttf.h>

#include <cstdint>
#include <unordered_map>
#include <vector>

struct GlyphCells {
  GlyphCells(int cellHeight, int halfWidth, bool bold, const char* face);
  ~GlyphCells();
  GlyphCells(const GlyphCells&) = delete;
  GlyphCells& operator=(const GlyphCells&) = delete;

  // One byte per pixel of the cell, row after row, non-zero where the glyph is inked; empty
  // when the font could not be opened.
  const std::vector<uint8_t>& CellMask(uint32_t codePoint, bool fullWidth);
  int CellWidth(bool fullWidth) const { return fullWidth ? fullWidth_ : halfWidth_; }
  int CellHeight() const { return cellHeight_; }
  bool Usable() const { return ttf_ != nullptr; }

 private:
  std::vector<uint8_t> RenderMask(uint32_t codePoint, bool fullWidth);

  int cellHeight_;
  int halfWidth_;
  int fullWidth_;
  int glyphTop_ = 0;           // where a rendered glyph's top row lands in the cell
  TTF_Font* latin_ = nullptr;  // half-width glyphs of a language other than Japanese
  int latinTop_ = 0;           // where a rendered glyph of latin_ lands in the cell
  TTF_Font* ttf_ = nullptr;
  // The message windows redraw their text every frame: each glyph is rendered once.
  std::unordered_map<uint64_t, std::vector<uint8_t>> masks_;
};
