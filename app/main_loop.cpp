#include "app/entry.h"
#include "app/shell.h"
#include "platform/tune.h"

int MainLoop() {
  for (;;) {
    // Events first; the scenes run only on idle turns.
    if (EventWaiting()) {
      const GameEvent event = TakeEvent();
      if (event == GameEvent::Quit) return 0;
      HandleEvent(event);
      continue;
    }
    if (CurrentScene != nullptr) CurrentScene();
    // A fresh or finished tune is stopped: start it again from the top.
    if (TuneStopped()) PlayTuneFromStart();
  }
}

void HandleEvent(GameEvent event) {
  // Every key but Escape is polled by the scenes; closing the window ends the game the same way.
  if (event == GameEvent::Escape || event == GameEvent::Close) ReleaseAll();
}
