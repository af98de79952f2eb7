#include <cstring>

#include "app/entry.h"
#include "app/shell.h"

int MainLoop() {
  MSG msg;
  for (;;) {
    // Window messages first; the scenes run only on idle turns.
    if (PeekMessageA(&msg)) {
      if (!GetMessageA(&msg)) return static_cast<int>(msg.wParam);
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
      continue;
    }
    if (CurrentScene != nullptr) CurrentScene();
    // A fresh or finished tune reports "stopped": start it again from the top.
    char reply[20] = "";
    mciSendStringA("status bgm mode", reply, sizeof reply);
    if (std::strcmp(reply, "stopped") == 0) mciSendStringA("play bgm from 0", nullptr, 0);
  }
}
