// The synthesised tune kept between runs in the player's cache folder, so that only the first run
// ever synthesises it: $XDG_CACHE_HOME/kobako (or ~/.cache/kobako), one file per tune, sound font,
// rate and synthesiser version; only the latest is kept. Each file carries its length, its loop
// frame and a checksum of its frames: one that does not prove itself is removed, not used.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Where the tune synthesised from `midi` with `soundFont` at `rate` is kept; empty when the
// player has no cache folder.
std::string TuneCachePath(const std::vector<char>& midi, const std::string& soundFont, int rate);

// Reads a kept tune into `blocks` (stereo, 16-bit, `blockFrames` to a block, made as needed),
// with its frame count and the frame it loops at; false when the file is missing, not a regular
// file, damaged (then it is removed, with a debug line), or longer than `maxFrames` (which
// `blocks` must have room for).
bool ReadTuneCache(const std::string& path, int64_t maxFrames, int blockFrames,
                   std::vector<std::unique_ptr<int16_t[]>>* blocks, int64_t* frames,
                   int64_t* length);

// Keeps `frames` frames, held in blocks of `blockFrames`, looping at `length`, and removes the
// files of other tunes; nothing is left behind when the file cannot be written whole, and a debug
// line says why.
bool WriteTuneCache(const std::string& path, const std::vector<std::unique_ptr<int16_t[]>>& blocks,
                    int blockFrames, int64_t frames, int64_t length);
