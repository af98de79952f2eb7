// The headless runner program: the real game driven by a script, writing pictures and states.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

class HeadlessRunnerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(kRunner)) GTEST_SKIP() << "kobako-headless is not built";
    dir_ = fs::temp_directory_path() / ("kobako_runner_" + std::to_string(getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override {
    if (!dir_.empty()) fs::remove_all(dir_);
  }
  // Runs the script from the test folder; returns the exit code.
  int Run(const std::string& script, const std::string& options = "") {
    std::ofstream(dir_ / "script.txt") << script;
    std::string command = "cd '" + dir_.string() + "' && '" + kRunner + "' " + options +
                          " script.txt >/dev/null 2>&1";
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::string Read(const std::string& name) {
    std::ifstream in(dir_ / name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  const std::string kRunner = KOBAKO_BINARY_DIR "/kobako-headless";
  fs::path dir_;
};

TEST_F(HeadlessRunnerTest, ScriptEndingAtFrameFiveWritesPictureAndState) {
  EXPECT_EQ(Run("# five frames of the logo\n"
                "at 5 shot f5.png\n"
                "at 5 state f5.json\n"
                "end 5\n"),
            0);
  std::string png = Read("f5.png");
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(png.substr(1, 3), "PNG");
  std::string json = Read("f5.json");
  EXPECT_EQ(json.front(), '{');
  EXPECT_NE(json.find("\"presents\":5"), std::string::npos);
  EXPECT_NE(json.find("\"scene\":\"Logo"), std::string::npos);
}

TEST_F(HeadlessRunnerTest, EscapeEndsTheGameWithItsOwnExitCode) {
  EXPECT_EQ(Run("at 2 escape\n"
                "at 3 state never.json\n"),
            0);
  EXPECT_FALSE(fs::exists(dir_ / "never.json"));  // the game stopped before a third frame
}

TEST_F(HeadlessRunnerTest, RunsAreRepeatable) {
  const std::string script =
      "at 0 keys Space\n"
      "at 20 keys -\n"
      "at 40 shot f.png\n"
      "end 40\n";
  ASSERT_EQ(Run(script), 0);
  std::string first = Read("f.png");
  ASSERT_EQ(Run(script), 0);
  EXPECT_EQ(Read("f.png"), first);
}

TEST_F(HeadlessRunnerTest, PadButtonPlaysAsItsKey) {
  // The south button leaves the logo as Space does; untouched, the logo would still show.
  ASSERT_EQ(Run("at 100 pad a\nat 110 pad -\nat 150 state s.json\nend 150\n"), 0);
  EXPECT_NE(Read("s.json").find("\"scene\":\"TitleScene\""), std::string::npos);
}

TEST_F(HeadlessRunnerTest, BadScriptLineIsRefused) {
  EXPECT_EQ(Run("at 1 keys Up,Jump\n"), 2);
  EXPECT_EQ(Run("at x escape\n"), 2);
  EXPECT_EQ(Run("end 3\n", "--stage 11"), 2);
}

TEST_F(HeadlessRunnerTest, StageOptionStartsAtThatStage) {
  const fs::path game = KOBAKO_BINARY_DIR "/game";
  if (!fs::exists(game / "data" / "data03.txt")) GTEST_SKIP() << "game data not generated";
  EXPECT_EQ(Run("at 1 state s.json\nend 1\n", "--data '" + game.string() + "' --stage 3"), 0);
  std::string json = Read("s.json");
  EXPECT_NE(json.find("\"stageNo\":3"), std::string::npos);
  EXPECT_EQ(json.find("\"scene\":\"Logo"), std::string::npos);
}

// Stage 0 won by kobako-solve's moves, the rescue and the message closed, back on the map.
const char kClearStageZero[] =
    "at 40 keys Up\nat 41 keys -\nat 47 keys Up\nat 50 keys -\nat 56 keys Right\n"
    "at 59 keys -\nat 65 keys Right\nat 68 keys -\nat 74 keys Up\nat 77 keys -\n"
    "at 83 keys Up\nat 86 keys -\nat 92 keys Up\nat 95 keys -\nat 101 keys Up\n"
    "at 104 keys -\nat 110 keys Left\nat 113 keys -\nat 119 keys Left\nat 122 keys -\n"
    "at 128 keys Down\nat 131 keys -\nat 137 keys Space\nat 138 keys -\n"
    "at 197 keys Space\nat 198 keys -\nat 326 keys Space\nat 327 keys -\n"
    "when SelectScene\nend 1\n";
// From the logo to the map, where the state is written.
const char kToTheMap[] =
    "when TitleScene\nat 5 keys Space\nat 6 keys -\nwhen OpeningScene\n"
    "at 5 keys Space\nat 6 keys -\nat 10 keys Space\nat 11 keys -\nat 15 keys Space\n"
    "at 16 keys -\nwhen SelectScene\nat 1 state map.json\nend 1\n";

// The state file's map: node 0 cleared or not, node 1 open with it, the rest closed.
std::string Nodes(bool cleared) {
  std::string nodes = "\"nodes\":[{\"open\":1,\"cleared\":" + std::to_string(cleared) + "}";
  nodes += cleared ? ",{\"open\":1,\"cleared\":0}" : ",{\"open\":0,\"cleared\":0}";
  for (int i = 2; i < 11; i++) nodes += ",{\"open\":0,\"cleared\":0}";
  return nodes + "]";
}

TEST_F(HeadlessRunnerTest, ProgressCarriesOverOnlyInTheFileNamed) {
  const fs::path game = KOBAKO_BINARY_DIR "/game";
  if (!fs::exists(game / "data" / "data00.txt")) GTEST_SKIP() << "game data not generated";
  const std::string data = "--data '" + game.string() + "'";
  ASSERT_EQ(Run(kClearStageZero, data + " --stage 0 --progress saved/progress"), 0);
  ASSERT_EQ(Run(kToTheMap, data + " --progress saved/progress"), 0);
  EXPECT_NE(Read("map.json").find(Nodes(true)), std::string::npos) << Read("map.json");
  ASSERT_EQ(Run(kToTheMap, data), 0);
  EXPECT_NE(Read("map.json").find(Nodes(false)), std::string::npos) << "without it, afresh";
}

}  // namespace
