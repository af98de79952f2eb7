#include "platform/gamepad.h"

#include <sstream>

#include "platform/win.h"

namespace {

// No control quits: Escape has none.
const struct {
  const char* name;
  PadControl control;
  int vk;
} kControls[] = {
    {"dpup", kPadUp, VK_UP},
    {"dpdown", kPadDown, VK_DOWN},
    {"dpleft", kPadLeft, VK_LEFT},
    {"dpright", kPadRight, VK_RIGHT},
    {"a", kPadA, VK_SPACE},
    {"b", kPadB, VK_SHIFT},
    {"start", kPadStart, VK_SHIFT},
    {"leftshoulder", kPadLeftShoulder, VK_CONTROL},
    {"rightshoulder", kPadRightShoulder, VK_TAB},
    {"leftx-", kPadStickLeft, VK_LEFT},
    {"leftx+", kPadStickRight, VK_RIGHT},
    {"lefty-", kPadStickUp, VK_UP},
    {"lefty+", kPadStickDown, VK_DOWN},
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

bool PadHoldsKey(unsigned held, int vk) {
  for (const auto& control : kControls) {
    if ((held & control.control) && control.vk == vk) return true;
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
