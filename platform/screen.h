// The screen the player sees: the game's window, 640 x 480, and the picture last put on it.
#pragma once
#include "platform/surface.h"

class Screen {
 public:
  Screen() = default;
  ~Screen() { Close(); }
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  // Opens the game's window (full-screen desktop, 640 x 480 logical); false when no display can
  // be had.
  bool Open();
  // Closes the window; what it showed is forgotten.
  void Close();
  bool IsOpen() const { return open_; }

  // Puts a whole frame on screen; only the rows that differ from the picture shown are written
  // and sent on.
  void Present(const Surface& frame);
  // Fills the whole screen with one colour and shows it at once.
  void ShowFill(Pixel colour);
  // What the screen shows now.
  const Surface& Shown() const { return shown_; }

 private:
  bool open_ = false;
  Surface shown_;
};
