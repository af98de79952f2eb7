#include "platform/sdl_environment.h"

#include <SDL.h>

#include <cstdlib>

#include "platform/file_read.h"

namespace {

// Debian's General MIDI sound fonts, best first.
const char* const kSoundFonts[] = {
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
    "/usr/share/sounds/sf2/default-GM.sf2",
};

// A sound font is read by the synthesiser itself: only a regular file, never a pipe it would
// wait on forever.
bool Readable(const std::string& path) {
  constexpr size_t kSoundFontLimit = size_t{2} * 1024 * 1024 * 1024;
  return IsRegularFileWithin(path, kSoundFontLimit);
}

// libwayland prints a complaint of its own when it has no runtime folder to find the compositor
// in, and cannot connect then anyway; such a driver is not tried, so "no display" stays one line.
bool WaylandCanConnect() {
  if (std::getenv("WAYLAND_SOCKET") != nullptr) return true;
  const char* display = std::getenv("WAYLAND_DISPLAY");
  if (display != nullptr && display[0] == '/') return true;
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  return runtime != nullptr && runtime[0] != '\0';
}

}  // namespace

std::vector<std::string> SplitList(const char* text, char separator) {
  std::vector<std::string> entries;
  std::string entry;
  for (const char* c = text; c != nullptr; ++c) {
    if (*c == separator || *c == '\0') {
      if (!entry.empty()) entries.push_back(entry);
      entry.clear();
      if (*c == '\0') break;
    } else {
      entry += *c;
    }
  }
  return entries;
}

bool ChooseVideoDrivers() {
  std::vector<std::string> names;
  const char* asked = std::getenv("SDL_VIDEODRIVER");
  if (asked != nullptr && asked[0] != '\0') {
    names = SplitList(asked, ',');
  } else {
    for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
      std::string name = SDL_GetVideoDriver(i);
      if (name != "offscreen" && name != "dummy" && name != "evdev") names.push_back(name);
    }
  }
  std::string drivers;
  for (const std::string& name : names) {
    if (name == "wayland" && !WaylandCanConnect()) continue;
    drivers += drivers.empty() ? name : "," + name;
  }
  if (drivers.empty()) return false;
  SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, drivers.c_str(), SDL_HINT_OVERRIDE);
  return true;
}

std::string FindSoundFont() {
  const char* chosen = std::getenv("SDL_SOUNDFONTS");
  if (chosen != nullptr && chosen[0] != '\0') {
    // The player's choice stands: when none of it exists, no other font is taken.
    for (const std::string& path : SplitList(chosen, ';')) {
      if (Readable(path)) return path;
    }
    return std::string();
  }
  for (const char* font : kSoundFonts) {
    if (Readable(font)) return font;
  }
  return std::string();
}
