// kobako-playthrough [--skip-logo] SOLUTION_DIR SCRIPT: writes the whole-game script for
// kobako-headless from the stage solutions kobako-solve wrote into SOLUTION_DIR.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "tools/playthrough/compose.h"

int main(int argc, char** argv) {
  const bool skipLogo = argc > 1 && std::strcmp(argv[1], "--skip-logo") == 0;
  if (skipLogo) {
    argc--;
    argv++;
  }
  if (argc != 3) {
    std::fprintf(stderr, "usage: kobako-playthrough [--skip-logo] SOLUTION_DIR SCRIPT\n");
    return 2;
  }
  std::string script, error;
  if (!ComposePlaythrough(argv[1], &script, &error, skipLogo)) {
    std::fprintf(stderr, "kobako-playthrough: %s\n", error.c_str());
    return 1;
  }
  std::ofstream out(argv[2], std::ios::binary);
  out << script;
  if (!out) {
    std::fprintf(stderr, "kobako-playthrough: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
