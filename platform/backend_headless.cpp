#include "platform/backend_headless.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>
#include <filesystem>

bool HeadlessBackend::OpenWindow() {
  windowOpen_ = displayAvailable_;
  return windowOpen_;
}

void HeadlessBackend::ShowPrimary(const uint16_t* pixels, int width, int height, bool isPresent,
                                  const ScreenRect*) {
  primary_.assign(pixels, pixels + static_cast<size_t>(width) * height);
  width_ = width;
  height_ = height;
  if (!isPresent) return;
  ++presents_;
  if (presentHook_) presentHook_(presents_);
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
}

void HeadlessBackend::DebugLine(const char* text) {
  debugLines_.emplace_back(text);
  if (echoDebug_) std::fputs(text, stderr);
}

void HeadlessBackend::SetKeyDown(int vk, bool down) {
  if (down) {
    keys_.insert(vk);
  } else {
    keys_.erase(vk);
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
