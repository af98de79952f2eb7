#include "platform/gamepad.h"

#include <sstream>

#include "platform/keys.h"

namespace {

// No control quits: Escape has none.
const struct {
  const char* name;
  PadControl control;
  Key key;
} kControls[] = {
    {"dpup", kPadUp, Key::Up},
    {"dpdown", kPadDown, Key::Down},
    {"dpleft", kPadLeft, Key::Left},
    {"dpright", kPadRight, Key::Right},
    {"a", kPadA, Key::Space},
    {"b", kPadB, Key::Shift},
    {"start", kPadStart, Key::Shift},
    {"leftshoulder", kPadLeftShoulder, Key::Control},
    {"rightshoulder", kPadRightShoulder, Key::Tab},
    {"leftx-", kPadStickLeft, Key::Left},
    {"leftx+", kPadStickRight, Key::Right},
    {"lefty-", kPadStickUp, Key::Up},
    {"lefty+", kPadStickDown, Key::Down},
    {"x", kPadX, Key::H},
    {"y", kPadY, Key::Backspace},
    {"back", kPadBack, Key::R},
};

}  // namespace

unsigned StickControls(int x, int y) {
  unsigned held = 0;
  if (x < -kStickHalfTravel) held |= kPadStickLeft;
  if (x > kStickHalfTravel) held |= kPadStickRight;
  if (y < -kStickHalfTravel) held |= kPadStickUp;
  if (y > kStickHalfTravel) held |= kPadStickDown;
  return held;
}

bool PadHoldsKey(unsigned held, Key key) {
  for (const auto& control : kControls) {
    if ((held & control.control) && control.key == key) return true;
  }
  return false;
}

bool ParsePadControls(const std::string& list, unsigned* held, std::string* why) {
  *held = 0;
  if (list == "-") return true;
  std::istringstream in(list);
  for (std::string name; std::getline(in, name, ',');) {
    unsigned found = 0;
    for (const auto& control : kControls) {
      if (name == control.name) found = control.control;
    }
    if (found == 0) {
      *why = "unknown pad control \"" + name + "\"";
      return false;
    }
    *held |= found;
  }
  return true;
}

std::string PadControlList(unsigned held) {
  std::string list;
  for (const auto& control : kControls) {
    if (!(held & control.control)) continue;
    if (!list.empty()) list += ',';
    list += control.name;
  }
  return list.empty() ? "-" : list;
}
