#include "app/entry.h"

#include <cstdio>
#include <string>

#include "app/shell.h"
#include "scenes/logo.h"
#include "world/stage_map.h"

namespace {

constexpr DWORD DDSCL_FULLSCREEN = 0x01;
constexpr DWORD DDSCL_EXCLUSIVE = 0x10;

// The only failures the game reports: without a display there is nothing to play on.
int NoDisplay(const char* what, const std::string& why = std::string()) {
  std::fprintf(stderr, "kobako: %s%s%s\n", what, why.empty() ? "" : ": ", why.c_str());
  return 1;
}

}  // namespace

int BringUp() {
  if (!CreateGameWindow(WindowProc))
    return NoDisplay("no display to open a window on", WindowFailure());
  DirectDrawCreate(&lpDD);
  lpDD->SetCooperativeLevel(0, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN);
  if (lpDD->SetDisplayMode(SCREEN_W, SCREEN_H, 16) != DD_OK) {
    lpDD->Release();
    lpDD = nullptr;
    return NoDisplay("cannot set the 640 x 480 display");
  }
  lpDD->CreatePrimarySurface(&lpPrimary);
  lpDD->CreateSurface(SCREEN_W, SCREEN_H, &lpBackbuffer);
  hFont = CreateFontA(20, 12, 0, 0, 0, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, PROOF_QUALITY,
                      FIXED_PITCH | FF_MODERN, "HGP創英角ﾎﾟｯﾌﾟ体");
  Srand(static_cast<unsigned>(ProgramClock()));
  CurrentScene = LogoSetupScene;
  StartSharedObjects();
  ReadProgress();
  // Opened here, started by the main loop on its first idle turn.
  mciSendStringA("open sound\\kel.mid alias bgm type sequencer", nullptr, 0);
  return 0;
}

int WinMain() {
  int failure = BringUp();
  if (failure != 0) return failure;
  return MainLoop();
}
