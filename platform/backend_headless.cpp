#include "platform/backend_headless.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {

// 64-bit FNV-1a over the pixels, row after row, each pixel's low byte first.
uint64_t PictureHash(const std::vector<uint16_t>& pixels) {
  uint64_t hash = 0xcbf29ce484222325u;
  for (uint16_t pixel : pixels) {
    hash = (hash ^ (pixel & 0xFFu)) * 0x100000001b3u;
    hash = (hash ^ (pixel >> 8)) * 0x100000001b3u;
  }
  return hash;
}

}  // namespace

bool HeadlessBackend::OpenWindow() {
  windowOpen_ = displayAvailable_;
  return windowOpen_;
}

void HeadlessBackend::ShowPrimary(const uint16_t* pixels, int width, int height, bool isPresent,
                                  const ScreenRect*) {
  const size_t count = static_cast<size_t>(width) * height;
  // Most frames in a row are alike: the hash is worked out again only for a changed picture.
  const bool same = frameLog_ != nullptr && !primary_.empty() && width == width_ &&
                    height == height_ &&
                    std::memcmp(primary_.data(), pixels, count * sizeof(uint16_t)) == 0;
  primary_.assign(pixels, pixels + count);
  width_ = width;
  height_ = height;
  if (frameLog_ != nullptr && !same) primaryHash_ = PictureHash(primary_);
  if (isPresent) ++presents_;
  if (frameLog_ != nullptr) {
    std::fprintf(frameLog_, "%d %" PRIu32 " %d %016" PRIx64 "\n", presents_, now_,
                 isPresent ? 1 : 0, primaryHash_);
  }
  if (isPresent && presentHook_) presentHook_(presents_);
}

void HeadlessBackend::SetFrameLog(std::FILE* log) {
  frameLog_ = log;
  primaryHash_ = PictureHash(primary_);
}

bool HeadlessBackend::OpenAudio() {
  audioOpen_ = true;
  return true;
}

bool HeadlessBackend::OpenMusic(const std::string& path) {
  std::error_code error;
  musicOpen_ = !path.empty() && std::filesystem::is_regular_file(path, error);
  musicPath_ = musicOpen_ ? path : std::string();
  musicPlaying_ = false;
  return musicOpen_;
}

void HeadlessBackend::PlayMusicFromStart() {
  if (!musicOpen_) return;
  musicPlaying_ = true;
  ++musicStarts_;
  if (frameLog_ != nullptr) std::fprintf(frameLog_, "tune %d %" PRIu32 "\n", presents_, now_);
}

void HeadlessBackend::DebugLine(const char* text) {
  debugLines_.emplace_back(text);
  if (echoDebug_) std::fputs(text, stderr);
  if (frameLog_ == nullptr) return;
  // One log line whatever the text holds: its closing line break is dropped, a backslash and any
  // other control byte are written as escapes.
  std::string line = text;
  if (!line.empty() && line.back() == '\n') line.pop_back();
  std::fprintf(frameLog_, "debug %d %" PRIu32 " ", presents_, now_);
  for (unsigned char c : line) {
    if (c == '\\') {
      std::fputs("\\\\", frameLog_);
    } else if (c < 0x20 || c == 0x7F) {
      std::fprintf(frameLog_, "\\x%02x", c);
    } else {
      std::fputc(c, frameLog_);
    }
  }
  std::fputc('\n', frameLog_);
}

void HeadlessBackend::SetKeyDown(Key key, bool down) {
  if (down) {
    keys_.insert(key);
  } else {
    keys_.erase(key);
  }
}

bool HeadlessBackend::SavePng(const std::string& path) {
  if (primary_.empty()) return false;
  SDL_Surface* frame = SDL_CreateRGBSurfaceWithFormatFrom(primary_.data(), width_, height_, 16,
                                                          width_ * 2, SDL_PIXELFORMAT_RGB565);
  if (frame == nullptr) return PngNotSaved(path);
  SDL_Surface* rgb = SDL_ConvertSurfaceFormat(frame, SDL_PIXELFORMAT_RGB24, 0);
  SDL_FreeSurface(frame);
  if (rgb == nullptr) return PngNotSaved(path);
  bool saved = IMG_SavePNG(rgb, path.c_str()) == 0;
  SDL_FreeSurface(rgb);
  if (!saved) return PngNotSaved(path);
  return true;
}

bool HeadlessBackend::PngNotSaved(const std::string& path) {
  DebugLine(("kobako: " + path + " not saved: " + SDL_GetError() + "\n").c_str());
  return false;
}

void HeadlessBackend::Reset() {
  *this = HeadlessBackend();
}
