#include <cstdio>
#include <cstring>
#include <memory>

#include "app/entry.h"
#include "platform/desktop.h"

namespace {

const char kHelp[] =
    "usage: kobako [--help | --version]\n"
    "A tile puzzle game: arrows walk, Space opens, Shift pauses, Escape quits.\n"
    "KOBAKO_DATA=FOLDER plays from another data folder; KOBAKO_DEBUG=1 prints the debug output.\n";

}  // namespace

int main(int argc, char** argv) {
  // The two questions a desktop asks of every program; any other argument is ignored.
  for (int i = 1; i < argc; i++) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("kobako %s\n", KOBAKO_VERSION);
      return 0;
    }
    if (std::strcmp(argv[i], "--help") == 0) {
      std::fputs(kHelp, stdout);
      return 0;
    }
  }
  std::unique_ptr<Backend> backend = CreateDesktopBackend();
  SetBackend(backend.get());
  EnterDataDirectory(argv[0]);
  int exitCode = WinMain();
  SetBackend(nullptr);
  return exitCode;
}
