// The game's events: what the desktop tells the game besides the keys it polls.
#pragma once
#include <string>

enum class GameEvent {
  Escape,  // the Escape key went down
  Close,   // the window's close button, SIGTERM or Ctrl+C
  Quit,    // the game has released everything and ends
};

// The game window: shown, focused, cursor hidden, named and drawn as the desktop knows the game.
// False when no display can be had; WindowFailure says why in the display library's words.
bool OpenGameWindow();
std::string WindowFailure();

// Without taking it: true when an event waits. May rest up to 1 ms for one.
bool EventWaiting();
// Takes the next event, waiting for one.
GameEvent TakeEvent();
// Queues an event (the platform does this for Escape and the close request).
void PostEvent(GameEvent event);
// Queues the end of the game: the main loop stops at it.
void RequestQuit();
// True while a close request or the end waits in the queue. Loops that wait on the clock
// without reading events end when it is.
bool CloseRequested();
// Forgets every event queued (for tests and tools that start a game afresh).
void ClearEvents();
