// A stage played in the real game through the headless runner: the wipe, the clear sequence
// between its two windows, and the return to the stage map.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

const std::string kRunner = KOBAKO_BINARY_DIR "/kobako-headless";
const std::string kSolver = KOBAKO_BINARY_DIR "/tools/solve/kobako-solve";
const fs::path kGame = KOBAKO_BINARY_DIR "/game";

class PlayRunner : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(kRunner)) GTEST_SKIP() << "kobako-headless is not built";
    if (!fs::exists(kGame / "data" / "data00.txt")) GTEST_SKIP() << "game data not generated";
    dir_ = fs::temp_directory_path() / ("kobako_play_runner_" + std::to_string(getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override {
    if (!dir_.empty()) fs::remove_all(dir_);
  }

  int Shell(const std::string& command) {
    int status = std::system(("cd '" + dir_.string() + "' && " + command).c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  int Run(const std::string& script, int stage) {
    std::ofstream(dir_ / "script.txt") << script;
    return Shell("'" + kRunner + "' --data '" + kGame.string() + "' --stage " +
                 std::to_string(stage) + " script.txt >/dev/null 2>&1");
  }
  std::string Read(const std::string& name) {
    std::ifstream in(dir_ / name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  fs::path dir_;
};

bool Has(const std::string& json, const std::string& member) {
  return json.find(member) != std::string::npos;
}

TEST_F(PlayRunner, EscapeDuringTheWipeTakesEffectOnlyAfterIt) {
  ASSERT_EQ(Run("at 5 escape\n"
                "at 40 state last.json\n"
                "at 41 state never.json\n",
                2),
            0);
  std::string last = Read("last.json");
  EXPECT_TRUE(Has(last, "\"presents\":40")) << last;
  EXPECT_TRUE(Has(last, "\"released\":0")) << last;
  EXPECT_FALSE(fs::exists(dir_ / "never.json"));
}

TEST_F(PlayRunner, StateTellsTheHintWhetherLostAndTheUndoDepth) {
  ASSERT_EQ(Run("at 40 keys Up\n"
                "at 41 keys -\n"
                "at 49 state moved.json\n"
                "at 49 keys Backspace\n"
                "at 51 keys -\n"
                "at 51 state back.json\n"
                "at 52 escape\n",
                0),
            0);
  const std::string moved = Read("moved.json");
  EXPECT_TRUE(Has(moved, "\"undoDepth\":1,\"hint\":\"Up\",\"lost\":false")) << moved;
  const std::string back = Read("back.json");
  EXPECT_TRUE(Has(back, "\"undoDepth\":0,\"hint\":\"Up\",\"lost\":false")) << back;
  EXPECT_NE(moved, back);
}

TEST_F(PlayRunner, ClearedStageRunsBothWindowsAndNinetyNineFramesBetween) {
  if (!fs::exists(kSolver)) GTEST_SKIP() << "kobako-solve is not built";
  ASSERT_EQ(Shell("'" + kSolver + "' '" + kGame.string() + "' sol --stage 0 >/dev/null 2>&1"), 0);
  std::string solution = Read("sol/solution_00.txt");
  // The last Space press opens the box; play keeps its frames, so the rescue opens two frames on.
  // Read the script line by line (std::regex trips gcc's warnings in sanitizer builds).
  int opened = -1;
  std::istringstream lines(solution);
  std::string line, kept;
  while (std::getline(lines, line)) {
    int frame = 0;
    char keys[32] = {};
    if (std::sscanf(line.c_str(), "at %d keys %31s", &frame, keys) == 2 &&
        std::string(keys) == "Space") {
      opened = frame;
    }
    if (line.rfind("end ", 0) != 0) kept += line + "\n";
  }
  ASSERT_GT(opened, 0);
  solution = kept;

  int rescueClosed = opened + 60;      // Space pressed after this frame closes the rescue
  int lastClear = rescueClosed + 99;   // frames 1 to 99 of the sequence
  int messageClosed = lastClear + 30;  // Space pressed after this frame closes the message
  std::ostringstream script;
  script << solution << "at " << opened + 2 << " state rescue.json\n"
         << "at " << rescueClosed << " keys Space\n"
         << "at " << rescueClosed + 1 << " keys -\n"
         << "at " << lastClear << " state clearing.json\n"
         << "at " << lastClear + 1 << " state message.json\n"
         << "at " << messageClosed << " keys Space\n"
         << "at " << messageClosed + 1 << " state after.json\n"
         << "end " << messageClosed + 1 << "\n";
  ASSERT_EQ(Run(script.str(), 0), 0);

  std::string rescue = Read("rescue.json");
  EXPECT_TRUE(Has(rescue, "\"stageClear\":1")) << rescue;
  std::string clearing = Read("clearing.json");
  EXPECT_TRUE(Has(clearing, "\"stageClear\":1")) << clearing;
  EXPECT_TRUE(Has(clearing, "\"nodes\":[{\"open\":1,\"cleared\":0}")) << clearing;
  // The stage is marked before its message opens; its neighbour opens when the message closes.
  std::string message = Read("message.json");
  EXPECT_TRUE(Has(message, "\"stageClear\":0")) << message;
  EXPECT_TRUE(Has(message, "\"nodes\":[{\"open\":1,\"cleared\":1},{\"open\":0")) << message;
  std::string after = Read("after.json");
  EXPECT_TRUE(Has(after, "\"scene\":\"SelectSetupScene\"")) << after;
  EXPECT_TRUE(Has(after, "\"nodes\":[{\"open\":1,\"cleared\":1},{\"open\":1")) << after;
  EXPECT_TRUE(Has(after, "\"spaceHeld\":1")) << after;
}

}  // namespace
