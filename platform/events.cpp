// The game's event queue, the window and the keys, forwarded to the backend in use.
#include "platform/events.h"

#include <deque>

#include "platform/backend.h"
#include "platform/keys.h"

namespace {

std::deque<GameEvent> queue;

void Pump(uint32_t waitMs) {
  CurrentBackend().PumpMessages(waitMs);
}

}  // namespace

bool OpenGameWindow() {
  if (!CurrentBackend().OpenWindow()) return false;
  CurrentBackend().ShowCursor(false);
  return true;
}

std::string WindowFailure() {
  return CurrentBackend().WindowFailure();
}

bool EventWaiting() {
  // An idle turn waits a moment for input instead of spinning a whole core; the backend looks
  // at the desktop's events once and waits only when there were none.
  Pump(queue.empty() ? 1 : 0);
  return !queue.empty();
}

GameEvent TakeEvent() {
  while (queue.empty()) Pump(10);
  const GameEvent next = queue.front();
  queue.pop_front();
  return next;
}

void PostEvent(GameEvent event) {
  queue.push_back(event);
}

void RequestQuit() {
  PostEvent(GameEvent::Quit);
}

bool CloseRequested() {
  for (GameEvent event : queue) {
    if (event == GameEvent::Close || event == GameEvent::Quit) return true;
  }
  return false;
}

void ClearEvents() {
  queue.clear();
}

bool IsKeyDown(Key key) {
  // The scenes poll the keys inside loops of their own that never reach the main loop: the
  // desktop's events are kept moving here so that the window stays responsive.
  Pump(0);
  return CurrentBackend().KeyDown(key);
}
