// Measurement aids for the desktop backend, switched on from the environment:
//   KOBAKO_PRESENT_LOG=FILE  one line per presented frame, "present N WALL_US CPU_US": its
//                            number, the wall clock (microseconds since 1970) and the processor
//                            time the whole process has used (microseconds)
//   KOBAKO_SCRIPT=FILE       keys by presented frame, in kobako-headless's format with absolute
//                            frame numbers ("at N keys Up,Space", "at N pad a", "at N escape",
//                            "end N", frame 0 before the first frame), read as kobako-headless
//                            reads it; an "at N state FILE" line writes "mark NAME N" into the
//                            present log (NAME: the file's name without folder and extension),
//                            so a measurement can find where the game stood; "when" and "shot"
//                            lines are not understood here (kobako-headless --flatten writes a
//                            script without them)
// Scripted keys and pad controls are held as if pressed on the keyboard or a game controller; the
// script's end closes the window.
#pragma once
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "platform/gamepad.h"

class DesktopPacing {
 public:
  // Reads the environment; a script that cannot be read is named on standard error and ignored.
  DesktopPacing();
  ~DesktopPacing();
  DesktopPacing(const DesktopPacing&) = delete;
  DesktopPacing& operator=(const DesktopPacing&) = delete;

  // After frame number presents has been shown.
  void AfterPresent(int presents);
  bool KeyDown(Key key) const { return keys_.count(key) != 0 || PadHoldsKey(pad_, key); }

  struct Step {
    enum Kind { KEYS, PAD, ESCAPE, MARK, END } kind;
    int frame;
    std::vector<Key> keys;
    std::string name;
    unsigned pad = 0;  // PadControl bits, for PAD
  };
  // Parses a flat script; false with the line's number and why in error on a line it cannot use.
  static bool Parse(const std::string& text, std::vector<Step>* steps, std::string* error);

 private:
  // Runs the steps of frame presents.
  void RunSteps(int presents);
  // The log of presented frames, when `path` is a regular file (or none) that can be written.
  void OpenLog(const char* path);

  std::vector<Step> steps_;  // by frame
  size_t next_ = 0;
  std::set<Key> keys_;
  unsigned pad_ = 0;
  FILE* log_ = nullptr;
  std::string logPath_;
};
