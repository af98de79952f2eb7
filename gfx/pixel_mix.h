// Row kernels of the pixel blends. Each computes exactly what the lookup tables of PictureSlots
// give (a test holds them to it over every channel value), eight pixels at a time with the
// compiler's vector types so that a blend costs less than a table read per channel.
#pragma once
#include <cstdint>

#include "platform/pixel_rows.h"  // KeyedCopyRow

enum class MixKind : uint8_t { Alpha, Add, Sub };

// Blends a row of n source pixels onto n destination pixels at Level a; source 0 is skipped.
void MixRow(MixKind kind, uint16_t* dst, const uint16_t* src, int64_t n, unsigned a);
// Each channel c of n pixels becomes (c * (255 - level)) >> 8.
void DarkenRow(uint16_t* dst, int64_t n, unsigned level);
// Each channel becomes d + s + k less half the channel's range, clamped; source 0 is skipped.
void TintRow(uint16_t* dst, const uint16_t* src, int64_t n, unsigned kB, unsigned kG, unsigned kR);
