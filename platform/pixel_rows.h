// Row copies shared by the surfaces and the display object's blits.
#pragma once
#include <cstdint>

// Copies the pixels of a row that differ from the key, eight or sixteen at a time.
void KeyedCopyRow(uint16_t* dst, const uint16_t* src, int64_t n, uint16_t key);
