#include "platform/pixel_rows.h"

#include <cstring>

namespace {

typedef uint16_t Lanes __attribute__((vector_size(16)));
constexpr int64_t kLanes = 8;

}  // namespace

void KeyedCopyRow(uint16_t* dst, const uint16_t* src, int64_t n, uint16_t key) {
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
