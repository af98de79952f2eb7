// Surfaces as plain RGB565 pixel arrays. Every copy and fill clips against both surfaces, so a
// caller's wrong rectangle loses pixels instead of corrupting memory.
#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <unordered_set>

#include "platform/backend.h"
#include "platform/ddraw.h"
#include "platform/frame_change.h"
#include "platform/gdi.h"
#include "platform/pixel_rows.h"

namespace {

// Larger than any picture the game or its tools make; keeps a bad size from eating the memory.
constexpr int kMaxSide = 16384;

// Surfaces made through a DirectDraw object end with it: releasing the object releases them all.
std::unordered_map<DirectDrawSurface*, const DirectDraw*>& SurfaceOwners() {
  static std::unordered_map<DirectDrawSurface*, const DirectDraw*> owners;
  return owners;
}

std::unordered_set<const DirectDraw*>& OpenDisplays() {
  static std::unordered_set<const DirectDraw*> displays;
  return displays;
}

RECT WholeOf(const DirectDrawSurface& s) {
  return RECT{0, 0, s.Width(), s.Height()};
}

bool IsEmpty(const RECT& r) {
  return r.right <= r.left || r.bottom <= r.top;
}

RECT Intersect(const RECT& a, const RECT& b) {
  return RECT{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
              std::min(a.bottom, b.bottom)};
}

// The pixels to copy from. A copy within one surface may overlap itself, so it reads from a
// snapshot taken before the first write.
const uint16_t* ReadablePixels(const DirectDrawSurface& src, const DirectDrawSurface& dst,
                               std::vector<uint16_t>& snapshot) {
  if (&src != &dst) return src.Pixels();
  snapshot.assign(src.Pixels(), src.Pixels() + static_cast<size_t>(src.Width()) * src.Height());
  return snapshot.data();
}

}  // namespace

DirectDrawSurface::DirectDrawSurface(int width, int height, bool primary)
    : width_(width), height_(height), primary_(primary) {
  if (width_ <= 0 || height_ <= 0 || width_ > kMaxSide || height_ > kMaxSide) {
    width_ = 0;
    height_ = 0;
  }
  pixels_.assign(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0);
}

HRESULT DirectDrawSurface::SetColorKey(DWORD flags, const DDCOLORKEY* key) {
  if (!(flags & DDCKEY_SRCBLT)) return DDERR_GENERIC;
  if (key == nullptr) {
    hasKey_ = false;
    return DD_OK;
  }
  hasKey_ = true;
  key_ = static_cast<uint16_t>(key->dwColorSpaceLowValue);
  return DD_OK;
}

HRESULT DirectDrawSurface::BltFast(int x, int y, DirectDrawSurface* src, const RECT* srcRect,
                                   DWORD flags) {
  if (src == nullptr) return DDERR_GENERIC;
  RECT from = srcRect ? *srcRect : WholeOf(*src);
  if (IsEmpty(from)) return DD_OK;
  // Whatever part of the source rectangle lies outside the source moves the target with it.
  RECT inSrc = Intersect(from, WholeOf(*src));
  if (IsEmpty(inSrc)) return DD_OK;
  int64_t dx = int64_t{x} + inSrc.left - from.left;
  int64_t dy = int64_t{y} + inSrc.top - from.top;
  int64_t dr = dx + (inSrc.right - inSrc.left);
  int64_t db = dy + (inSrc.bottom - inSrc.top);
  int64_t cl = std::max<int64_t>(dx, 0), ct = std::max<int64_t>(dy, 0);
  int64_t cr = std::min<int64_t>(dr, width_), cb = std::min<int64_t>(db, height_);
  if (cr <= cl || cb <= ct) return DD_OK;
  const int w = static_cast<int>(cr - cl);
  const int h = static_cast<int>(cb - ct);
  const int sx = static_cast<int>(inSrc.left + (cl - dx));
  const int sy = static_cast<int>(inSrc.top + (ct - dy));
  const int tx = static_cast<int>(cl), ty = static_cast<int>(ct);

  const bool keyed = (flags & DDBLTFAST_SRCCOLORKEY) && src->hasKey_;
  const bool wholeFrame = tx == 0 && ty == 0 && w == SCREEN_W && h == SCREEN_H;
  // A frame put on screen: only the rows that differ are written, and the part they make up is
  // handed on, unless something may have drawn here unseen since the last frame.
  if (wholeFrame && primary_ && !keyed && src != this && openWrites_ == 0 && width_ == SCREEN_W &&
      src->width_ == SCREEN_W && sx == 0 && sy == 0) {
    const ScreenRect part = CopyChangedPart(pixels_.data(), src->pixels_.data());
    Show(true, &part);
    return DD_OK;
  }
  std::vector<uint16_t> snapshot;
  const uint16_t* from_pixels = ReadablePixels(*src, *this, snapshot);
  const uint16_t key = src->key_;
  for (int row = 0; row < h; ++row) {
    const uint16_t* in = from_pixels + static_cast<size_t>(sy + row) * src->width_ + sx;
    uint16_t* out = pixels_.data() + static_cast<size_t>(ty + row) * width_ + tx;
    if (!keyed) {
      std::memcpy(out, in, static_cast<size_t>(w) * sizeof(uint16_t));
      continue;
    }
    KeyedCopyRow(out, in, w, key);
  }
  Changed(wholeFrame);
  return DD_OK;
}

HRESULT DirectDrawSurface::Blt(const RECT* dstRect, DirectDrawSurface* src, const RECT* srcRect,
                               DWORD flags, uint16_t fillColor) {
  const RECT to = dstRect ? *dstRect : WholeOf(*this);
  if (IsEmpty(to)) return DD_OK;
  const RECT clipped = Intersect(to, WholeOf(*this));
  if (flags & DDBLT_COLORFILL) {
    if (IsEmpty(clipped)) return DD_OK;
    // One row filled, then copied: the copy runs many times faster than the filling loop.
    const size_t count = static_cast<size_t>(clipped.right - clipped.left);
    uint16_t* first = pixels_.data() + static_cast<size_t>(clipped.top) * width_ + clipped.left;
    std::fill(first, first + count, fillColor);
    for (int y = clipped.top + 1; y < clipped.bottom; ++y) {
      std::memcpy(first + static_cast<size_t>(y - clipped.top) * width_, first,
                  count * sizeof(uint16_t));
    }
    Changed(false);
    return DD_OK;
  }
  if (src == nullptr) return DDERR_GENERIC;
  const RECT from = srcRect ? *srcRect : WholeOf(*src);
  if (IsEmpty(from) || IsEmpty(clipped)) return DD_OK;

  // Nearest neighbour: target pixel i of the rectangle takes source pixel i * sw / dw.
  const int64_t sw = static_cast<int64_t>(from.right) - from.left;
  const int64_t sh = static_cast<int64_t>(from.bottom) - from.top;
  const int64_t dw = static_cast<int64_t>(to.right) - to.left;
  const int64_t dh = static_cast<int64_t>(to.bottom) - to.top;
  // Rectangles this wide are nonsense; refusing them keeps the products below in range.
  constexpr int64_t kMaxSpan = int64_t{1} << 24;
  if (sw > kMaxSpan || sh > kMaxSpan || dw > kMaxSpan || dh > kMaxSpan) return DDERR_GENERIC;
  std::vector<uint16_t> snapshot;
  const uint16_t* from_pixels = ReadablePixels(*src, *this, snapshot);
  const bool keyed = (flags & DDBLT_KEYSRC) && src->hasKey_;
  const uint16_t key = src->key_;
  if (sw == dw && sh == dh) {
    // Same size: the part of each row that lies inside the source, copied whole.
    const int64_t shift = from.left - static_cast<int64_t>(to.left);
    const int64_t left = std::max<int64_t>(clipped.left, -shift);
    const int64_t right = std::min<int64_t>(clipped.right, src->width_ - shift);
    for (int y = clipped.top; y < clipped.bottom && left < right; ++y) {
      const int64_t s = from.top + (y - static_cast<int64_t>(to.top));
      if (s < 0 || s >= src->height_) continue;
      const uint16_t* in = from_pixels + static_cast<size_t>(s) * src->width_ + (left + shift);
      uint16_t* out = pixels_.data() + static_cast<size_t>(y) * width_ + left;
      if (keyed) {
        KeyedCopyRow(out, in, right - left, key);
      } else {
        std::memcpy(out, in, static_cast<size_t>(right - left) * sizeof(uint16_t));
      }
    }
    Changed(false);
    return DD_OK;
  }
  std::vector<int> columns(static_cast<size_t>(clipped.right - clipped.left));
  for (int x = clipped.left; x < clipped.right; ++x) {
    int64_t s = from.left + (x - static_cast<int64_t>(to.left)) * sw / dw;
    columns[x - clipped.left] = (s >= 0 && s < src->width_) ? static_cast<int>(s) : -1;
  }
  for (int y = clipped.top; y < clipped.bottom; ++y) {
    int64_t s = from.top + (y - static_cast<int64_t>(to.top)) * sh / dh;
    if (s < 0 || s >= src->height_) continue;
    const uint16_t* in = from_pixels + static_cast<size_t>(s) * src->width_;
    uint16_t* out = pixels_.data() + static_cast<size_t>(y) * width_;
    for (int x = clipped.left; x < clipped.right; ++x) {
      const int c = columns[x - clipped.left];
      if (c < 0) continue;
      const uint16_t p = in[c];
      if (keyed && p == key) continue;
      out[x] = p;
    }
  }
  Changed(false);
  return DD_OK;
}

HRESULT DirectDrawSurface::Lock(void** bits, int32_t* pitch) {
  if (bits == nullptr || pitch == nullptr) return DDERR_GENERIC;
  *bits = pixels_.data();
  *pitch = width_ * 2;
  ++openWrites_;
  return DD_OK;
}

HRESULT DirectDrawSurface::Unlock() {
  openWrites_ = std::max(openWrites_ - 1, 0);
  Changed(false);
  return DD_OK;
}

HRESULT DirectDrawSurface::GetDC(HDC* dc) {
  if (dc == nullptr) return DDERR_GENERIC;
  *dc = new DeviceContext;
  (*dc)->surface = this;
  ++openWrites_;
  return DD_OK;
}

HRESULT DirectDrawSurface::ReleaseDC(HDC dc) {
  if (dc == nullptr) return DDERR_GENERIC;
  delete dc;
  openWrites_ = std::max(openWrites_ - 1, 0);
  Changed(false);
  return DD_OK;
}

void DirectDrawSurface::Release() {
  SurfaceOwners().erase(this);
  delete this;
}

void DirectDrawSurface::Changed(bool isPresent) {
  Show(isPresent, nullptr);
}

void DirectDrawSurface::Show(bool isPresent, const ScreenRect* part) {
  if (!primary_) return;
  CurrentBackend().ShowPrimary(pixels_.data(), width_, height_, isPresent, part);
}

HRESULT DirectDraw::SetCooperativeLevel(int, DWORD) {
  return DD_OK;
}

HRESULT DirectDraw::SetDisplayMode(int width, int height, int bpp) {
  if (width != SCREEN_W || height != SCREEN_H || bpp != 16) return DDERR_GENERIC;
  if (OpenDisplays().count(this)) return DD_OK;
  if (!CurrentBackend().OpenWindow()) return DDERR_GENERIC;
  OpenDisplays().insert(this);
  return DD_OK;
}

HRESULT DirectDraw::CreatePrimarySurface(LPDIRECTDRAWSURFACE* out) {
  if (out == nullptr) return DDERR_GENERIC;
  *out = new DirectDrawSurface(SCREEN_W, SCREEN_H, true);
  SurfaceOwners()[*out] = this;
  return DD_OK;
}

HRESULT DirectDraw::CreateSurface(int width, int height, LPDIRECTDRAWSURFACE* out) {
  if (out == nullptr) return DDERR_GENERIC;
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) {
    *out = nullptr;
    return DDERR_GENERIC;
  }
  *out = new DirectDrawSurface(width, height, false);
  SurfaceOwners()[*out] = this;
  return DD_OK;
}

HRESULT DirectDraw::RestoreDisplayMode() {
  return DD_OK;
}

void DirectDraw::Release() {
  auto& owners = SurfaceOwners();
  for (auto it = owners.begin(); it != owners.end();) {
    if (it->second == this) {
      delete it->first;
      it = owners.erase(it);
    } else {
      ++it;
    }
  }
  if (OpenDisplays().erase(this)) CurrentBackend().CloseWindow();
  delete this;
}

HRESULT DirectDrawCreate(LPDIRECTDRAW* out) {
  if (out == nullptr) return DDERR_GENERIC;
  *out = new DirectDraw;
  return DD_OK;
}
