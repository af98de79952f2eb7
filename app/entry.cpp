#include "app/entry.h"

#include <cstdio>
#include <string>

#include "app/shell.h"
#include "platform/clock.h"
#include "platform/language.h"
#include "platform/random.h"
#include "platform/tune.h"
#include "scenes/logo.h"
#include "world/stage_map.h"

namespace {

// The only failures the game reports: without a display there is nothing to play on.
int NoDisplay(const char* what, const std::string& why = std::string()) {
  std::fprintf(stderr, "kobako: %s%s%s\n", what, why.empty() ? "" : ": ", why.c_str());
  return 1;
}

}  // namespace

int BringUp() {
  if (!OpenGameWindow()) return NoDisplay("no display to open a window on", WindowFailure());
  Display& display = TheDisplay();
  if (!display.screen.Open()) return NoDisplay("cannot set the 640 x 480 display");
  display.backbuffer = Surface(SCREEN_W, SCREEN_H);
  // Before the font, which sets Latin text otherwise, and the message file, whose own version
  // in the language is found first.
  StartLanguage();
  display.font = Font(20, 12);
  Srand(static_cast<unsigned>(MsSinceStart()));
  CurrentScene = LogoSetupScene;
  StartSharedObjects();
  ReadProgress();
  // Opened here, started by the main loop on its first idle turn.
  OpenTune("sound\\kel.mid");
  return 0;
}

int RunGame() {
  int failure = BringUp();
  if (failure != 0) return failure;
  return MainLoop();
}
