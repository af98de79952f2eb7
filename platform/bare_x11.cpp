#include "platform/bare_x11.h"

#include <SDL_syswm.h>
#include <X11/Xatom.h>

#include <cstring>
#include <string>

#include "platform/debug.h"
#include "platform/events.h"

namespace {

// The window stays as SDL left it; the debug output says why.
void NotCovered(const std::string& why) {
  DebugLine("kobako: full screen not covered: " + why);
}

// A window manager that follows the desktop conventions names itself on the root window.
bool HasWindowManager(Display* display) {
  const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
  if (check == None) return false;
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  const int status = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False,
                                        XA_WINDOW, &type, &format, &count, &after, &data);
  if (data != nullptr) XFree(data);
  if (status != Success) {
    // Taken as no window manager: the game then covers the screen itself.
    DebugLine("kobako: cannot read the root window's window manager mark (X error " +
              std::to_string(status) + ")");
    return false;
  }
  return count > 0;
}

}  // namespace

void CoverScreenWithoutWindowManager(SDL_Window* window) {
  if (window == nullptr || (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) == 0) {
    return;
  }
  // Other video drivers have no window information to give; that is no failure.
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver == nullptr || std::strcmp(driver, "x11") != 0) return;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info)) return NotCovered(SDL_GetError());
  if (info.subsystem != SDL_SYSWM_X11) return;
  Display* display = info.info.x11.display;
  if (HasWindowManager(display)) return;
  SDL_Rect bounds;
  if (SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(window), &bounds) != 0) {
    return NotCovered(SDL_GetError());
  }
  XMoveResizeWindow(display, info.info.x11.window, bounds.x, bounds.y,
                    static_cast<unsigned>(bounds.w), static_cast<unsigned>(bounds.h));
  XFlush(display);
}
