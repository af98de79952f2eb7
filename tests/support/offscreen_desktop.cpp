#include "tests/support/offscreen_desktop.h"

#include <stdlib.h>

void UseOffscreenDesktop() {
  setenv("SDL_VIDEODRIVER", "offscreen", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  // Mesa's GL drivers lose memory at exit that the sanitizer builds would report as ours; draw
  // with SDL's own software renderer, on a plain framebuffer.
  setenv("SDL_RENDER_DRIVER", "software", 1);
  setenv("SDL_FRAMEBUFFER_ACCELERATION", "0", 1);
}
