#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "app/entry.h"
#include "platform/desktop.h"
#include "platform/progress_file.h"

namespace {

const char kHelp[] =
    "usage: kobako [--help | --version]\n"
    "A tile puzzle game: arrows walk, Space opens, Shift pauses, Escape quits.\n"
    "KOBAKO_DATA=FOLDER: another data folder; KOBAKO_LANGUAGE=ja|en: the language (else the "
    "desktop's); KOBAKO_DEBUG=1: the debug output.\n"
    "The stages cleared are kept in $XDG_DATA_HOME/kobako/progress (~/.local/share/kobako).\n";

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
  const std::string progress = PlayerProgressFile();
  if (progress.empty())
    std::fputs("kobako: no home folder to keep the progress in; playing on without saving\n",
               stderr);
  SetProgressFile(progress);
  int exitCode = RunGame();
  SetBackend(nullptr);
  return exitCode;
}
