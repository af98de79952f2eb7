// Blend kernels on eight 5-6-5 pixels at once. Every intermediate value stays below 2^15, so
// 16-bit lanes hold the products of a channel and a level exactly.
#include "gfx/pixel_mix.h"

#include <cstring>

namespace {

typedef uint16_t Lanes __attribute__((vector_size(16)));
constexpr int64_t kLanes = 8;

inline Lanes Load(const uint16_t* p) {
  Lanes v;
  std::memcpy(&v, p, sizeof(v));
  return v;
}

inline void Store(uint16_t* p, Lanes v) {
  std::memcpy(p, &v, sizeof(v));
}

inline Lanes Splat(unsigned value) {
  Lanes v = {};
  return v + static_cast<uint16_t>(value);
}

// A lane comparison gives all ones where it holds.
template <typename Compared>
inline Lanes Mask(Compared c) {
  return (Lanes)c;
}

inline Lanes Select(Lanes mask, Lanes ifSet, Lanes ifClear) {
  return (ifSet & mask) | (ifClear & ~mask);
}

inline Lanes Blue(Lanes p) {
  return p & 31;
}
inline Lanes Green(Lanes p) {
  return (p >> 5) & 63;
}
inline Lanes Red(Lanes p) {
  return p >> 11;
}
inline Lanes Pack(Lanes r, Lanes g, Lanes b) {
  return (r << 11) | (g << 5) | b;
}

inline Lanes AddClamped(Lanes d, Lanes m, unsigned top) {
  const Lanes sum = d + m;
  return Select(Mask(sum > Splat(top)), Splat(top), sum);
}

inline Lanes SubClamped(Lanes d, Lanes m) {
  return (d - m) & ~Mask(m > d);
}

template <MixKind kind>
inline Lanes Mix(Lanes d, Lanes s, Lanes a, Lanes ia) {
  const Lanes sB = (Blue(s) * a) >> 8, sG = (Green(s) * a) >> 8, sR = (Red(s) * a) >> 8;
  Lanes out;
  if (kind == MixKind::Alpha) {
    out = Pack(((Red(d) * ia) >> 8) + sR, ((Green(d) * ia) >> 8) + sG, ((Blue(d) * ia) >> 8) + sB);
  } else if (kind == MixKind::Add) {
    out =
        Pack(AddClamped(Red(d), sR, 31), AddClamped(Green(d), sG, 63), AddClamped(Blue(d), sB, 31));
  } else {
    out = Pack(SubClamped(Red(d), sR), SubClamped(Green(d), sG), SubClamped(Blue(d), sB));
  }
  return Select(Mask(s == 0), d, out);
}

inline Lanes Biased(Lanes d, Lanes s, Lanes k, unsigned bias, unsigned top) {
  const Lanes t = d + s + k;
  const Lanes above = (t - Splat(bias)) & ~Mask(t < Splat(bias));
  return Select(Mask(above > Splat(top)), Splat(top), above);
}

// Runs op over whole groups of eight, then over the rest through a zero-padded group (a zero
// source pixel leaves its destination alone, and the padding is never stored).
template <typename Op>
inline void ForGroups(uint16_t* dst, const uint16_t* src, int64_t n, Op op) {
  int64_t i = 0;
  for (; i + kLanes <= n; i += kLanes) {
    Store(dst + i, op(Load(dst + i), src ? Load(src + i) : Lanes{}));
  }
  if (i == n) return;
  uint16_t d[kLanes] = {}, s[kLanes] = {};
  const size_t rest = static_cast<size_t>(n - i) * sizeof(uint16_t);
  std::memcpy(d, dst + i, rest);
  if (src) std::memcpy(s, src + i, rest);
  Store(d, op(Load(d), Load(s)));
  std::memcpy(dst + i, d, rest);
}

template <MixKind kind>
void MixRowOf(uint16_t* dst, const uint16_t* src, int64_t n, unsigned a) {
  const Lanes av = Splat(a), ia = Splat(255 - a);
  ForGroups(dst, src, n, [&](Lanes d, Lanes s) { return Mix<kind>(d, s, av, ia); });
}

}  // namespace

void MixRow(MixKind kind, uint16_t* dst, const uint16_t* src, int64_t n, unsigned a) {
  switch (kind) {
    case MixKind::Alpha:
      MixRowOf<MixKind::Alpha>(dst, src, n, a);
      break;
    case MixKind::Add:
      MixRowOf<MixKind::Add>(dst, src, n, a);
      break;
    case MixKind::Sub:
      MixRowOf<MixKind::Sub>(dst, src, n, a);
      break;
  }
}

void DarkenRow(uint16_t* dst, int64_t n, unsigned level) {
  const Lanes keep = Splat(255 - level);
  ForGroups(dst, nullptr, n, [&](Lanes d, Lanes) {
    return Pack((Red(d) * keep) >> 8, (Green(d) * keep) >> 8, (Blue(d) * keep) >> 8);
  });
}

void TintRow(uint16_t* dst, const uint16_t* src, int64_t n, unsigned kB, unsigned kG, unsigned kR) {
  const Lanes b = Splat(kB), g = Splat(kG), r = Splat(kR);
  ForGroups(dst, src, n, [&](Lanes d, Lanes s) {
    const Lanes out = Pack(Biased(Red(d), Red(s), r, 32, 31), Biased(Green(d), Green(s), g, 64, 63),
                           Biased(Blue(d), Blue(s), b, 32, 31));
    return Select(Mask(s == 0), d, out);
  });
}
