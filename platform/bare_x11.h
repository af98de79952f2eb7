// Full screen on an X server without a window manager: nobody else makes the window cover the
// screen there, so the game does it itself.
#pragma once
#include <SDL.h>

// When window is in full-screen mode on an X display that has no window manager, moves and
// resizes it to cover its whole screen. Does nothing anywhere else.
void CoverScreenWithoutWindowManager(SDL_Window* window);
