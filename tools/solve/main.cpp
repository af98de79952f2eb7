// kobako-solve DATADIR [OUTDIR] [--stage N]: proves the stages solvable with the real rules and
// writes a shortest solution of each as a kobako-headless script. --report measures every state
// of each stage instead: dead ends, the fastest win, what each element is needed for, and where
// the orders of play first meet each mechanic.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/backend.h"
#include "platform/backend_headless.h"
#include "tools/solve/report.h"
#include "tools/solve/script.h"
#include "tools/solve/search.h"
#include "world/world.h"

int main(int argc, char** argv) {
  std::string dataDir, outDir;
  int only = -1;
  bool report = false;
  for (int i = 1; i < argc; i++) {
    std::string arg = argv[i];
    if (arg == "--stage" && i + 1 < argc) {
      only = std::atoi(argv[++i]);
    } else if (arg == "--report") {
      report = true;
    } else if (dataDir.empty()) {
      dataDir = arg;
    } else {
      outDir = arg;
    }
  }
  if (dataDir.empty()) {
    std::fprintf(stderr, "usage: kobako-solve [--report] DATADIR [OUTDIR] [--stage N]\n");
    return 2;
  }
  // Scripts are written relative to where we were started; stage files relative to DATADIR.
  if (!outDir.empty() && outDir[0] != '/') {
    char cwd[4096];
    if (getcwd(cwd, sizeof cwd)) outDir = std::string(cwd) + "/" + outDir;
  }
  if (!outDir.empty()) {
    std::error_code ignored;
    std::filesystem::create_directories(outDir, ignored);
  }
  if (chdir(dataDir.c_str()) != 0) {
    std::perror(dataDir.c_str());
    return 2;
  }
  HeadlessBackend backend;
  SetBackend(&backend);
  if (report) {
    std::fputs(StageReport(only).c_str(), stdout);
    return 0;
  }

  bool allSolvable = true;
  for (int stage = 0; stage < StMAX; stage++) {
    if (only >= 0 && stage != only) continue;
    SolveResult r = SolveStage(stage);
    if (r.missing) {
      std::printf("stage %02d: no data file\n", stage);
      allSolvable = false;
    } else if (r.solvable) {
      std::printf("stage %02d: solvable, %zu actions, %zu states, %.0f ms\n", stage,
                  r.actions.size(), r.states, r.ms);
      if (!outDir.empty()) {
        char name[64];
        std::snprintf(name, sizeof name, "/solution_%02d.txt", stage);
        if (!WriteSolutionScript(stage, r.actions, outDir + name)) {
          std::printf("stage %02d: the replay of the solution did not win\n", stage);
          allSolvable = false;
        }
      }
    } else {
      std::printf("stage %02d: unsolvable, %zu states, %.0f ms\n", stage, r.states, r.ms);
      allSolvable = false;
    }
    std::fflush(stdout);
  }
  return allSolvable ? 0 : 1;
}
