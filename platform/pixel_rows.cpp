#include "platform/pixel_rows.h"

#include <cstring>

namespace {

typedef uint16_t Lanes8 __attribute__((vector_size(16)));
typedef uint16_t Lanes16 __attribute__((vector_size(32)));

// Copies n pixels, leaving the destination where the source is the key, as many at a time as
// Lanes holds.
template <typename Lanes>
__attribute__((always_inline)) inline void CopyRowKeyed(uint16_t* dst, const uint16_t* src,
                                                        int64_t n, uint16_t key) {
  constexpr int64_t kLanes = sizeof(Lanes) / sizeof(uint16_t);
  Lanes k = {};
  k += key;
  int64_t i = 0;
  for (; i + kLanes <= n; i += kLanes) {
    Lanes s, d;
    std::memcpy(&s, src + i, sizeof(s));
    std::memcpy(&d, dst + i, sizeof(d));
    // A lane comparison gives all ones where the source pixel is the key.
    const Lanes isKey = (Lanes)(s == k);
    d = (d & isKey) | (s & ~isKey);
    std::memcpy(dst + i, &d, sizeof(d));
  }
  for (; i < n; ++i) {
    if (src[i] != key) dst[i] = src[i];
  }
}

// Most of a stage is drawn with keyed copies: sixteen pixels a step where the processor can.
__attribute__((target("avx2"))) void CopyRowKeyedWide(uint16_t* dst, const uint16_t* src, int64_t n,
                                                      uint16_t key) {
  CopyRowKeyed<Lanes16>(dst, src, n, key);
}

}  // namespace

void KeyedCopyRow(uint16_t* dst, const uint16_t* src, int64_t n, uint16_t key) {
  static const bool wide = __builtin_cpu_supports("avx2");
  if (wide) {
    CopyRowKeyedWide(dst, src, n, key);
  } else {
    CopyRowKeyed<Lanes8>(dst, src, n, key);
  }
}
