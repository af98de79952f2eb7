// kobako-headless [--data DIR] [--stage N] [--seed N] [--flatten FILE] [--progress FILE]
//                 [--frame-log FILE] [--text-log FILE] SCRIPT
// Runs the game from its normal start on the headless backend and follows the script (see
// script.h). Exits with the game's exit code, 0 at the script's end, or 3 when a "when" waits in
// vain. The game seeds its random numbers from the time since the program started; the runner
// seeds them again right after the start with a fixed number (--seed, default 1) so that every
// run repeats exactly. --flatten writes the steps as they ran, each at its own frame number.
// The progress is kept only with --progress, in FILE, never in the player's file, so that a run
// repeats unless asked to carry on from the one before. --frame-log writes a line for every picture
// shown, debug line and start of the tune (HeadlessBackend::SetFrameLog); --text-log a line for
// every line of text drawn: the frame it is drawn for, where, and the text in UTF-8.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <utility>

#include "app/entry.h"
#include "app/shell.h"
#include "platform/backend_headless.h"
#include "platform/debug.h"
#include "platform/events.h"
#include "platform/progress_file.h"
#include "platform/random.h"
#include "platform/script.h"
#include "platform/text.h"
#include "scenes/scene_names.h"
#include "tools/headless/start_stage.h"
#include "tools/headless/state_json.h"

namespace {

namespace fs = std::filesystem;

struct Options {
  std::string dataDir = ".";
  int stage = -1;
  unsigned seed = 1;
  std::string scriptPath;
  std::string flatPath;      // --flatten: where to write the steps as run, at their own frames
  std::string progressPath;  // --progress: where the stage map's progress is kept
  std::string frameLogPath;  // --frame-log: where every picture shown is logged
  std::string textLogPath;   // --text-log: where every text drawn is logged
};

int Usage(const char* why) {
  std::fprintf(stderr,
               "kobako-headless: %s\nusage: kobako-headless [--data DIR] [--stage N] [--seed N] "
               "[--flatten FILE] [--progress FILE] [--frame-log FILE] [--text-log FILE] SCRIPT\n",
               why);
  return 2;
}

bool ParseOptions(int argc, char** argv, Options* options) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--data" && i + 1 < argc) {
      options->dataDir = argv[++i];
    } else if (arg == "--stage" && i + 1 < argc) {
      char* end = nullptr;
      long stage = std::strtol(argv[++i], &end, 10);
      if (*end != '\0' || stage < 0 || stage > 10) return false;
      options->stage = static_cast<int>(stage);
    } else if (arg == "--flatten" && i + 1 < argc) {
      options->flatPath = argv[++i];
    } else if (arg == "--progress" && i + 1 < argc) {
      options->progressPath = argv[++i];
    } else if (arg == "--frame-log" && i + 1 < argc) {
      options->frameLogPath = argv[++i];
    } else if (arg == "--text-log" && i + 1 < argc) {
      options->textLogPath = argv[++i];
    } else if (arg == "--seed" && i + 1 < argc) {
      char* end = nullptr;
      unsigned long seed = std::strtoul(argv[++i], &end, 10);
      if (*end != '\0') return false;
      options->seed = static_cast<unsigned>(seed);
    } else if (i == argc - 1 && arg.rfind("--", 0) != 0) {
      options->scriptPath = arg;
    } else {
      return false;
    }
  }
  return !options->scriptPath.empty();
}

// A "when" that has waited this many frames gives up: the game went somewhere else.
constexpr int kWhenPatience = 20000;

// Runs the script's steps as the frames are presented.
class Runner {
 public:
  Runner(Script script, HeadlessBackend& backend) : script_(std::move(script)), backend_(backend) {
    std::stable_sort(script_.steps.begin(), script_.steps.end(),
                     [](const ScriptStep& a, const ScriptStep& b) {
                       return a.segment != b.segment ? a.segment < b.segment : a.frame < b.frame;
                     });
  }

  void AfterPresent(int presents) {
    for (;;) {
      while (next_ < script_.steps.size() && script_.steps[next_].segment == segment_ &&
             base_ + script_.steps[next_].frame <= presents) {
        const ScriptStep& step = script_.steps[next_++];
        if (base_ + step.frame == presents) Run(step, presents);
      }
      if (next_ < script_.steps.size() && script_.steps[next_].segment == segment_) return;
      if (segment_ >= static_cast<int>(script_.when.size())) return;
      // Every line of this part has run: wait for the scene the next part starts from.
      const std::string& scene = script_.when[segment_];
      if (scene != SceneName(CurrentScene)) {
        if (++waited_ > kWhenPatience) {
          std::fprintf(stderr, "kobako-headless: frame %d: no %s within %d frames (in %s)\n",
                       presents, scene.c_str(), kWhenPatience, SceneName(CurrentScene));
          std::fflush(nullptr);
          std::exit(3);
        }
        return;
      }
      segment_++;
      base_ = presents;
      waited_ = 0;
    }
  }

  // Every step run is also written here with the frame it ran at: the same run as a script
  // without "when" lines, for players that do not know the scenes.
  void Flatten(const std::string& path) { flat_.open(path, std::ios::binary); }

 private:
  void Run(const ScriptStep& step, int presents) {
    if (flat_.is_open()) flat_ << StepLine(step, presents) << std::endl;
    switch (step.kind) {
      case ScriptStep::KEYS:
        backend_.ReleaseAllKeys();
        for (Key key : step.keys) backend_.SetKeyDown(key, true);
        break;
      case ScriptStep::PAD:
        backend_.SetPadControls(step.pad);
        break;
      case ScriptStep::ESCAPE:
        PostEvent(GameEvent::Escape);
        break;
      case ScriptStep::SHOT:
        if (!backend_.SavePng(step.file)) {
          std::fprintf(stderr, "kobako-headless: cannot write %s\n", step.file.c_str());
        }
        break;
      case ScriptStep::STATE:
        if (!WriteStateFile(step.file, presents)) {
          std::fprintf(stderr, "kobako-headless: cannot write %s\n", step.file.c_str());
        }
        break;
      case ScriptStep::END:
        std::fflush(nullptr);
        std::exit(0);
    }
  }

  Script script_;
  HeadlessBackend& backend_;
  size_t next_ = 0;
  int segment_ = 0;  // the part of the script running now
  int base_ = 0;     // the frame its frame numbers count from
  int waited_ = 0;   // frames spent waiting for the next part's scene
  std::ofstream flat_;
};

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, &options)) return Usage("bad arguments");
  Script script;
  std::string error;
  if (!ReadScript(options.scriptPath, &script, &error)) {
    std::fprintf(stderr, "kobako-headless: %s: %s\n", options.scriptPath.c_str(), error.c_str());
    return 2;
  }
  // Output files are named relative to where the runner was started, not to the data folder.
  for (ScriptStep& step : script.steps) {
    if (!step.file.empty()) step.file = fs::absolute(step.file).string();
  }
  if (!options.flatPath.empty()) options.flatPath = fs::absolute(options.flatPath).string();
  if (!options.progressPath.empty()) SetProgressFile(fs::absolute(options.progressPath).string());
  // Opened before the data folder is entered; the exit flushes it, whichever way the game ends.
  std::FILE* frameLog = nullptr;
  if (!options.frameLogPath.empty()) {
    frameLog = std::fopen(options.frameLogPath.c_str(), "wb");
    if (frameLog == nullptr) return Usage(("cannot write " + options.frameLogPath).c_str());
  }
  std::FILE* textLog = nullptr;
  if (!options.textLogPath.empty()) {
    textLog = std::fopen(options.textLogPath.c_str(), "wb");
    if (textLog == nullptr) return Usage(("cannot write " + options.textLogPath).c_str());
  }
  std::error_code cd;
  fs::current_path(options.dataDir, cd);
  if (cd) return Usage(("cannot enter " + options.dataDir).c_str());

  HeadlessBackend backend;
  backend.SetEchoDebug(std::getenv("KOBAKO_DEBUG") != nullptr);
  backend.SetFrameLog(frameLog);
  SetBackend(&backend);
  Runner runner(std::move(script), backend);
  if (!options.flatPath.empty()) runner.Flatten(options.flatPath);
  backend.SetPresentHook([&runner](int presents) { runner.AfterPresent(presents); });
  if (textLog != nullptr) {
    // Text is drawn into the frame that will be presented next.
    WatchText([textLog, &backend](Point at, std::u32string_view line) {
      std::fprintf(textLog, "%d %d,%d %s\n", backend.PresentCount() + 1, at.x, at.y,
                   Utf8(line).c_str());
    });
  }

  int failure = BringUp();
  if (failure != 0) return failure;
  Srand(options.seed);
  if (options.stage >= 0) StartAtStage(options.stage);
  runner.AfterPresent(0);
  return MainLoop();
}
