// A game controller's controls as the keys they stand for. The desktop reads them from SDL's
// game-controller layer, the scripts name them; both go through PadHoldsKey, so a control held
// is its key held, and a key held on both at once is still one key.
#pragma once
#include <string>

#include "platform/keys.h"

// The controls the game answers to, one bit each; the script names are SDL's.
enum PadControl : unsigned {
  kPadUp = 1u << 0,             // dpup
  kPadDown = 1u << 1,           // dpdown
  kPadLeft = 1u << 2,           // dpleft
  kPadRight = 1u << 3,          // dpright
  kPadA = 1u << 4,              // a, the south button
  kPadB = 1u << 5,              // b, the east button
  kPadStart = 1u << 6,          // start
  kPadLeftShoulder = 1u << 7,   // leftshoulder
  kPadRightShoulder = 1u << 8,  // rightshoulder
  kPadStickLeft = 1u << 9,      // leftx-
  kPadStickRight = 1u << 10,    // leftx+
  kPadStickUp = 1u << 11,       // lefty-
  kPadStickDown = 1u << 12,     // lefty+
  kPadX = 1u << 13,             // x, the west button
  kPadY = 1u << 14,             // y, the north button
  kPadBack = 1u << 15,          // back (Select on some controllers)
};

// The left stick holds a direction once past half its travel: an axis beyond this either way
// (of -32768 to 32767). A resting stick drifts well short of it.
constexpr int kStickHalfTravel = 16384;

// The stick directions held at axis positions x and y (negative: left and up).
unsigned StickControls(int x, int y);
// Whether the controls held (PadControl bits) hold the key.
bool PadHoldsKey(unsigned held, Key key);

// A script's list of controls, "a,dpup", or "-" for none; false with why on an unknown name.
bool ParsePadControls(const std::string& list, unsigned* held, std::string* why);
// The list that ParsePadControls reads back as held.
std::string PadControlList(unsigned held);
