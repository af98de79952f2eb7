// A tiny Standard MIDI File (format 0): one piano note of the given length, for music tests.
#pragma once
#include <cstdint>
#include <vector>

std::vector<uint8_t> MakeOneNoteMidi(int milliseconds);
