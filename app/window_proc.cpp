#include "app/entry.h"
#include "app/shell.h"

intptr_t WindowProc(unsigned message, intptr_t wParam) {
  switch (message) {
    case WM_KEYDOWN:
      // Every other key is polled by the scenes.
      if (wParam == VK_ESCAPE) ReleaseAll();
      return 0;
    case WM_CLOSE:
      // Closing the window ends the game the same way as Escape.
      ReleaseAll();
      return 0;
    default:
      return 0;
  }
}
