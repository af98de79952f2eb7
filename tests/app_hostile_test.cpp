// The program on an unfriendly machine: no display, no audio device, no tune, a read-only data
// folder, started from anywhere. It says what is wrong in one line or it runs; it never crashes
// and never hangs.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "tests/child_process.h"

namespace {

namespace fs = std::filesystem;

const std::string kProgram = KOBAKO_BINARY_DIR "/kobako";
const fs::path kGame = KOBAKO_BINARY_DIR "/game";
const char kFirstFrame[] = "kobako: first frame at";

// In sanitizer builds: the graphics libraries SDL loads for the window are unloaded again at
// its shutdown, and what they still held then looks leaked from a module that is gone. The
// game's own leaks are checked by the tests that run it in-process.
std::string SanitizerOptions() {
  const char* options = std::getenv("ASAN_OPTIONS");
  return std::string(options != nullptr ? options : "") + ":detect_leaks=0";
}

// The program on SDL's invisible display and silent device, asked to quit two seconds after its
// first frame.
ChildRun Desktop() {
  ChildRun run;
  run.args = {kProgram};
  run.env = {{"DISPLAY", std::nullopt},
             {"WAYLAND_DISPLAY", std::nullopt},
             {"SDL_VIDEODRIVER", "offscreen"},
             {"SDL_AUDIODRIVER", "dummy"},
             {"KOBAKO_DATA", kGame.string()},
             {"KOBAKO_REPORT_FIRST_FRAME", "1"},
             {"KOBAKO_DEBUG", std::nullopt},
             {"ASAN_OPTIONS", SanitizerOptions()},
             {"XDG_DATA_HOME", fs::temp_directory_path().string()}};
  run.quitAfterMs = 2000;
  run.quitAfterText = kFirstFrame;
  return run;
}

void Set(ChildRun& run, const std::string& name, std::optional<std::string> value) {
  for (auto& entry : run.env) {
    if (entry.first == name) {
      entry.second = std::move(value);
      return;
    }
  }
  run.env.emplace_back(name, std::move(value));
}

// Ran until asked to quit, showed frames, and ended as the close button ends it.
void ExpectRan(const ChildResult& result) {
  EXPECT_FALSE(result.hung) << result.err;
  EXPECT_TRUE(result.exited) << "signal " << result.signal << "\n" << result.err;
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_NE(result.err.find(kFirstFrame), std::string::npos) << result.err;
}

class HostileMachine : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fs::exists(kProgram)) << "build the kobako program first";
    ASSERT_TRUE(fs::exists(kGame / "img" / "frame.bmp")) << "build the game's data first";
    dir_ = fs::temp_directory_path() / ("kobako_hostile_" + std::to_string(getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override {
    if (dir_.empty()) return;
    std::error_code ignored;
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ignored);
    for (const auto& entry : fs::recursive_directory_iterator(dir_, ignored)) {
      fs::permissions(entry.path(), fs::perms::owner_write | fs::perms::owner_exec,
                      fs::perm_options::add, ignored);
    }
    fs::remove_all(dir_, ignored);
  }
  // A copy of the game's data folder to damage.
  fs::path CopyOfGame() {
    fs::path copy = dir_ / "game";
    fs::copy(kGame, copy, fs::copy_options::recursive);
    return copy;
  }
  fs::path dir_;
};

TEST_F(HostileMachine, WithoutADisplayOneLineSaysSoAndTheExitCodeIsOne) {
  struct Machine {
    const char* what;
    std::optional<std::string> driver, display, wayland, runtime;
  };
  const std::string runtime = dir_.string();
  const Machine machines[] = {
      {"nothing set: the usual drivers each find nothing", {}, {}, {}, {}},
      {"x11 asked for", "x11", {}, {}, {}},
      {"wayland asked for", "wayland", {}, {}, {}},
      {"a driver SDL lacks", "nosuchdriver", {}, {}, {}},
      {"an X display that is not there", "x11", ":987", {}, {}},
      {"displays named that are not there", {}, ":987", "wayland-987", runtime},
  };
  for (const Machine& machine : machines) {
    ChildRun run = Desktop();
    Set(run, "SDL_VIDEODRIVER", machine.driver);
    Set(run, "DISPLAY", machine.display);
    Set(run, "WAYLAND_DISPLAY", machine.wayland);
    Set(run, "XDG_RUNTIME_DIR", machine.runtime);
    run.quitAfterMs = -1;
    ChildResult result = RunChild(run);
    EXPECT_FALSE(result.hung) << machine.what;
    EXPECT_TRUE(result.exited) << machine.what << ": signal " << result.signal;
    EXPECT_EQ(result.code, 1) << machine.what;
    std::vector<std::string> lines = Lines(result.err);
    ASSERT_EQ(lines.size(), 1u) << machine.what << ":\n" << result.err;
    EXPECT_EQ(lines[0].rfind("kobako: ", 0), 0u) << lines[0];
    EXPECT_NE(lines[0].find("display"), std::string::npos) << lines[0];
  }
}

TEST_F(HostileMachine, WithoutAnAudioDeviceTheGameRunsSilently) {
  ChildRun run = Desktop();
  Set(run, "SDL_AUDIODRIVER", "nosuchdriver");
  ExpectRan(RunChild(run));
}

TEST_F(HostileMachine, WithoutTheTuneTheGameRunsSilently) {
  fs::path game = CopyOfGame();
  fs::remove(game / "sound" / "kel.mid");
  ChildRun run = Desktop();
  Set(run, "KOBAKO_DATA", game.string());
  ExpectRan(RunChild(run));
}

TEST_F(HostileMachine, WithoutASoundFontTheGameRunsSilently) {
  ChildRun run = Desktop();
  Set(run, "SDL_SOUNDFONTS", (dir_ / "none.sf2").string());
  ChildResult result = RunChild(run);
  ExpectRan(result);
  // The synthesiser is never handed the missing font, so it has nothing to complain about.
  EXPECT_EQ(result.err.find("fluidsynth"), std::string::npos) << result.err;
}

// Every file and folder of the data, with its size and time of last change.
std::map<std::string, std::string> Snapshot(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    struct stat st = {};
    stat(entry.path().c_str(), &st);
    files[entry.path().string()] = std::to_string(st.st_size) + " " +
                                   std::to_string(st.st_mtim.tv_sec) + "." +
                                   std::to_string(st.st_mtim.tv_nsec);
  }
  return files;
}

TEST_F(HostileMachine, ReadOnlyDataFolderIsEnoughAndStaysUntouched) {
  fs::path game = CopyOfGame();
  const auto before = Snapshot(game);
  const auto readOnly = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                        fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec;
  for (const auto& entry : fs::recursive_directory_iterator(game)) {
    fs::permissions(entry.path(), entry.is_directory() ? readOnly : fs::perms::owner_read);
  }
  fs::permissions(game, readOnly);
  ChildRun run = Desktop();
  Set(run, "KOBAKO_DATA", game.string());
  run.folder = game.string();
  ExpectRan(RunChild(run));
  EXPECT_EQ(Snapshot(game), before);
}

TEST_F(HostileMachine, StartedFromAnotherFolderTheProgramFindsItsPictures) {
  ChildRun run = Desktop();
  Set(run, "KOBAKO_DATA", std::nullopt);
  Set(run, "KOBAKO_DEBUG", "1");
  run.folder = dir_.string();
  ChildResult result = RunChild(run);
  ExpectRan(result);
  EXPECT_NE(result.err.find("画像読み込み完了= <img/frame.bmp>"), std::string::npos) << result.err;
  EXPECT_EQ(result.err.find("読み取り失敗"), std::string::npos) << result.err;
  EXPECT_EQ(result.err.find("picture not loaded"), std::string::npos) << result.err;
}

TEST_F(HostileMachine, DataFolderThatIsNotThereIsNamedAndTheGameStillRuns) {
  ChildRun run = Desktop();
  const std::string missing = (dir_ / "no-such-folder").string();
  Set(run, "KOBAKO_DATA", missing);
  run.folder = dir_.string();
  ChildResult result = RunChild(run);
  ExpectRan(result);
  EXPECT_NE(result.err.find("kobako: cannot enter the data folder " + missing), std::string::npos)
      << result.err;
}

TEST_F(HostileMachine, DataFolderWithoutTheGamesFilesIsNamedAsAMissingOne) {
  ChildRun run = Desktop();
  Set(run, "KOBAKO_DATA", "/dev");
  ChildResult result = RunChild(run);
  ExpectRan(result);
  EXPECT_NE(result.err.find("kobako: the data folder /dev holds none of the game's files"),
            std::string::npos)
      << result.err;
}

TEST_F(HostileMachine, WithoutADataFolderOneLineSaysWhereItLookedAndNothingIsReadFromHere) {
  const fs::path program = dir_ / "bin" / "kobako";
  fs::create_directories(program.parent_path());
  fs::copy_file(kProgram, program);
  ChildRun run = Desktop();
  run.args = {program.string()};
  Set(run, "KOBAKO_DATA", std::nullopt);
  Set(run, "KOBAKO_DEBUG", "1");
  run.folder = CopyOfGame().string();  // the game's files, but not its data folder
  ChildResult result = RunChild(run);
  ExpectRan(result);
  EXPECT_NE(result.err.find("kobako: no data folder in " + (dir_ / "bin" / "game").string() + ", "),
            std::string::npos)
      << result.err;
  EXPECT_NE(result.err.find("読み取り失敗"), std::string::npos) << result.err;
}

TEST_F(HostileMachine, VersionAndHelpAnswerInAFewLinesWithoutAWindow) {
  for (const char* option : {"--version", "--help"}) {
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY " + kProgram + " " + option;
    FILE* out = popen(command.c_str(), "r");
    ASSERT_NE(out, nullptr);
    std::string text;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, out) != nullptr) text += buffer;
    EXPECT_EQ(pclose(out), 0) << option;
    EXPECT_EQ(text.rfind(option[2] == 'v' ? "kobako 1." : "usage: kobako", 0), 0u) << text;
    EXPECT_LE(Lines(text).size(), 4u) << text;
  }
}

}  // namespace
