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

}  // namespace
