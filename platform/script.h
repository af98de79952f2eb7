// The scripts of kobako-headless and of the desktop's KOBAKO_SCRIPT: what to do after which
// presented frame.
//   at N keys Up,Space     keys held from frame N on ("-" for none)
//   at N pad a,dpup        game controller controls held from frame N on, by SDL's names (see
//                          gamepad.h; "-" for none), taken as the keys they stand for
//   at N escape            an Escape key press
//   at N shot FILE.png     the screen after frame N
//   at N state FILE.json   the game's state after frame N
//   end N                  stop after frame N with exit code 0
//   when SCENE             wait until, after a frame, the scene in charge is SCENE (named as in
//                          the state file); frame numbers of the lines below it count from that
//                          frame, and the wait begins once every line above it has run
// Lines starting with # are comments; frame 0 means before the first frame.
#pragma once
#include <string>
#include <vector>

#include "platform/keys.h"

struct ScriptStep {
  enum Kind { KEYS, PAD, ESCAPE, SHOT, STATE, END } kind;
  int frame;
  std::vector<Key> keys;  // for KEYS
  std::string file;       // for SHOT and STATE
  int segment = 0;        // 0 before the first "when", k after the k-th
  unsigned pad = 0;       // PadControl bits, for PAD
};

struct Script {
  std::vector<ScriptStep> steps;  // in file order
  std::vector<std::string> when;  // the scene each "when" waits for, in file order
};

// The script line that does what step does, with its frame number replaced by frame.
std::string StepLine(const ScriptStep& step, int frame);

// Parses the script text; on a bad line returns false with the line's number and why in error.
bool ParseScript(const std::string& text, Script* script, std::string* error);
// Reads and parses the script file at path (a regular file of at most 4 MiB); false with why in
// error when it cannot be read or has a bad line.
bool ReadScript(const std::string& path, Script* script, std::string* error);
