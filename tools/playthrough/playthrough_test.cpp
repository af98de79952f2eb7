// The whole game played through kobako-headless from the stage solutions, with its checkpoints
// read back; KOBAKO_RUNNER_WRAPPER (e.g. valgrind and its options) runs the game under a checker.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "gfx/picture_names.h"
#include "tools/playthrough/compose.h"

namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Runs a shell command; its exit code, or -1 when it did not exit.
int Shell(const std::string& command) {
  int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class ScratchFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("kobako_playthrough_" + std::to_string(getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    if (!HasFailure()) fs::remove_all(dir_);
  }
  void Write(const std::string& name, const std::string& text) {
    std::ofstream(dir_ / name, std::ios::binary) << text;
  }
  fs::path dir_;
};

// --- The script the playthrough is made of -------------------------------------------------

TEST(PlaythroughRoute, MapCursorFollowsTheLinksBetweenStages) {
  using Path = std::vector<std::string>;
  EXPECT_EQ(CursorPath(0, 1), Path({"Right"}));
  EXPECT_EQ(CursorPath(3, 4), Path({"Down", "Right"}));  // node 3 is a dead end above 2
  EXPECT_EQ(CursorPath(6, 7), Path({"Left", "Down", "Down"}));
  EXPECT_EQ(CursorPath(9, 10), Path({"Down", "Left", "Up", "Left", "Down", "Left", "Up"}));
  EXPECT_TRUE(CursorPath(4, 4).empty());
}

TEST(PlaythroughRoute, EveryStageIsPlayedOnceAndTheLastStageLast) {
  std::vector<bool> seen(11, false);
  for (int stage : kPlayOrder) {
    ASSERT_FALSE(seen[stage]) << stage;
    seen[stage] = true;
  }
  EXPECT_EQ(kPlayOrder[10], 10);
}

class PlaythroughScript : public ScratchFolder {
 protected:
  // A made-up solution for every stage: a Space press, then the first arrow, then another.
  void WriteSolutions() {
    for (int stage = 0; stage < 11; stage++) {
      char name[32];
      std::snprintf(name, sizeof name, "solution_%02d.txt", stage);
      Write(name,
            "# made up\nat 40 keys Space\nat 41 keys -\nat 50 keys Left\nat 51 keys -\n"
            "at 60 keys Up\nat 61 keys -\nend 100\n");
    }
  }
  // The part of the script between "when StageStartScene" lines for the n-th stage played.
  static std::string StagePart(const std::string& script, int n) {
    size_t at = 0;
    for (int i = 0; i <= n; i++) at = script.find("when StageStartScene\n", at) + 1;
    size_t end = script.find("when ", at);
    return script.substr(at, end - at);
  }
};

TEST_F(PlaythroughScript, FirstStageKeepsTheSolutionFramesAndLaterStagesHoldTheFirstArrowLonger) {
  WriteSolutions();
  std::string script, error;
  ASSERT_TRUE(ComposePlaythrough(dir_.string(), &script, &error)) << error;
  std::string first = StagePart(script, 0);
  EXPECT_NE(first.find("at 40 keys Space\nat 41 keys -\nat 50 keys Left\nat 51 keys -\n"
                       "at 60 keys Up\n"),
            std::string::npos)
      << first;
  std::string second = StagePart(script, 1);
  EXPECT_NE(second.find("at 40 keys Space\nat 41 keys -\nat 50 keys Left\nat 53 keys -\n"
                        "at 62 keys Up\n"),
            std::string::npos)
      << second;
  // The win moves with the solution: Space closes the rescue 59 frames after it.
  EXPECT_NE(first.find("at 129 keys Space\n"), std::string::npos) << first;
  EXPECT_NE(second.find("at 131 keys Space\n"), std::string::npos) << second;
}

TEST_F(PlaythroughScript, EndsWithEscapeAfterASecondVisitOfTheMap) {
  WriteSolutions();
  std::string script, error;
  ASSERT_TRUE(ComposePlaythrough(dir_.string(), &script, &error)) << error;
  size_t ending = script.find("when EndingScene");
  ASSERT_NE(ending, std::string::npos);
  size_t again = script.find("state again_select.json", ending);
  ASSERT_NE(again, std::string::npos);
  EXPECT_NE(script.find("escape", again), std::string::npos);
}

TEST_F(PlaythroughScript, LogoRunsItsCourseUnlessSkipped) {
  WriteSolutions();
  std::string full, skipped, error;
  ASSERT_TRUE(ComposePlaythrough(dir_.string(), &full, &error)) << error;
  ASSERT_TRUE(ComposePlaythrough(dir_.string(), &skipped, &error, true)) << error;
  auto beforeTitle = [](const std::string& script) {
    return script.substr(0, script.find("when TitleScene"));
  };
  EXPECT_EQ(beforeTitle(full).find("keys Space"), std::string::npos) << full;
  EXPECT_NE(beforeTitle(skipped).find("at 5 keys Space\nat 6 keys -\n"), std::string::npos);
}

TEST_F(PlaythroughScript, MissingSolutionIsNamed) {
  WriteSolutions();
  fs::remove(dir_ / "solution_07.txt");
  std::string script, error;
  EXPECT_FALSE(ComposePlaythrough(dir_.string(), &script, &error));
  EXPECT_NE(error.find("solution_07.txt"), std::string::npos) << error;
}

// --- The game played through -----------------------------------------------------------------

class Playthrough : public ScratchFolder {
 protected:
  void SetUp() override {
    ScratchFolder::SetUp();
    if (!fs::exists(kRunner) || !fs::exists(kSolver)) GTEST_SKIP() << "tools are not built";
    const char* wrapper = std::getenv("KOBAKO_RUNNER_WRAPPER");
    if (wrapper != nullptr) {
      wrapper_ = wrapper;
      std::string program = wrapper_.substr(0, wrapper_.find(' '));
      if (Shell("command -v '" + program + "' >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << program << " is not installed";
      }
    }
  }
  std::string State(const std::string& name) {
    std::string json = Read(dir_ / (name + ".json"));
    EXPECT_FALSE(json.empty()) << name << ".json was not written";
    return json;
  }
  // The value of a member: a number, or a name with its quotes.
  static std::string Field(const std::string& json, const std::string& name) {
    const std::string key = "\"" + name + "\":";
    size_t at = json.find(key);
    if (at == std::string::npos) return "";
    at += key.size();
    size_t end = json[at] == '"' ? json.find('"', at + 1) + 1 : json.find_first_of(",}]", at);
    return json.substr(at, end - at);
  }
  // The nodes as "oc" pairs per node: open and cleared.
  static std::string Nodes(const std::string& json) {
    std::string nodes;
    const std::string open = "{\"open\":", cleared = ",\"cleared\":";
    for (size_t at = json.find(open); at != std::string::npos; at = json.find(open, at + 1)) {
      size_t c = json.find(cleared, at);
      if (c == std::string::npos) break;
      nodes += json.substr(at + open.size(), c - at - open.size());
      nodes += json.substr(c + cleared.size(), json.find('}', c) - c - cleared.size());
      nodes += ' ';
    }
    return nodes;
  }
  // script.txt: the whole game, composed from the solver's solutions.
  void WriteWholeGameScript() {
    ASSERT_EQ(
        Shell("'" + kSolver + "' '" + kBuild + "/game' '" + dir_.string() + "/sol' >/dev/null"), 0);
    std::string script, error;
    ASSERT_TRUE(ComposePlaythrough((dir_ / "sol").string(), &script, &error)) << error;
    Write("script.txt", script);
  }
  const std::string kBuild = KOBAKO_BINARY_DIR;
  const std::string kRunner = kBuild + "/kobako-headless";
  const std::string kSolver = kBuild + "/tools/solve/kobako-solve";
  std::string wrapper_;
};

TEST_F(Playthrough, WholeGameFromLogoToEndingAndBackToAFreshMap) {
  ASSERT_NO_FATAL_FAILURE(WriteWholeGameScript());
  const std::string log = (dir_ / "runner.log").string();
  int code = Shell("cd '" + dir_.string() + "' && " + wrapper_ + " '" + kRunner + "' --data '" +
                   kBuild + "/game' script.txt >'" + log + "' 2>&1");
  ASSERT_EQ(code, 0) << Read(log);
  EXPECT_FALSE(fs::exists(dir_ / "after_escape.json")) << "Escape did not end the game";

  EXPECT_EQ(Field(State("logo"), "scene"), "\"LogoScene\"");
  EXPECT_EQ(Field(State("title"), "scene"), "\"TitleScene\"");
  EXPECT_EQ(Field(State("opening"), "scene"), "\"OpeningScene\"");
  const std::string firstMap = State("select");
  EXPECT_EQ(Field(firstMap, "scene"), "\"SelectScene\"");
  EXPECT_EQ(Nodes(firstMap), "10 00 00 00 00 00 00 00 00 00 00 ");

  int cleared = 0;
  for (int stage : kPlayOrder) {
    char suffix[8];
    std::snprintf(suffix, sizeof suffix, "_%02d", stage);
    SCOPED_TRACE("stage " + std::to_string(stage));
    const std::string chosen = State(std::string("select_on") + suffix);
    EXPECT_EQ(Field(chosen, "selectCursor"), std::to_string(stage));
    const std::string play = State(std::string("play") + suffix);
    EXPECT_EQ(Field(play, "scene"), "\"PlayScene\"");
    EXPECT_EQ(Field(play, "stageNo"), std::to_string(stage));
    EXPECT_EQ(Field(play, "stageClear"), "0");
    const std::string rescue = State(std::string("rescue") + suffix);
    EXPECT_EQ(Field(rescue, "stageClear"), "1");
    EXPECT_EQ(Field(rescue, "stageNo"), std::to_string(stage));
    cleared++;
    const std::string message = State(std::string("message") + suffix);
    EXPECT_EQ(Field(message, "scene"), "\"PlayScene\"");
    EXPECT_EQ(static_cast<int>(Nodes(message).size()) / 3, 11);
    if (stage != 10) {
      const std::string after = State(std::string("select_after") + suffix);
      EXPECT_EQ(Field(after, "scene"), "\"SelectScene\"");
      EXPECT_EQ(Nodes(after).substr(3 * stage, 3), "11 ");
    }
  }
  EXPECT_EQ(cleared, 11);

  const std::string ending = State("ending");
  EXPECT_EQ(Field(ending, "scene"), "\"EndingScene\"");
  EXPECT_EQ(Nodes(ending), "11 11 11 11 11 11 11 11 11 11 11 ");
  const std::string logoAgain = State("logo_again");
  EXPECT_EQ(Field(logoAgain, "scene"), "\"LogoScene\"");
  EXPECT_EQ(Field(logoAgain, "stageMapReady"), "0");
  EXPECT_EQ(Field(logoAgain, "selectCursor"), "0");
  const std::string freshMap = State("again_select");
  EXPECT_EQ(Field(freshMap, "scene"), "\"SelectScene\"");
  EXPECT_EQ(Nodes(freshMap), "10 00 00 00 00 00 00 00 00 00 00 ");

  for (const char* picture : {"title", "select", "play_00", "message_00", "ending"}) {
    EXPECT_EQ(Read(dir_ / (std::string(picture) + ".png")).substr(1, 3), "PNG") << picture;
  }
}

// The symbols the game draws as they are in every language: the pause menu's cursor.
const char* const kSymbols[] = {"★"};

// Whether a line of UTF-8 holds nothing but ASCII and the symbols.
bool AsciiOrSymbols(std::string line) {
  for (const std::string symbol : kSymbols) {
    for (size_t at; (at = line.find(symbol)) != std::string::npos;) line.erase(at, symbol.size());
  }
  for (char c : line) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// With LANGUAGE=en the whole game draws English only, and its pictures with words come from the
// English set: with the shared ones removed from the game folder, every frame is what it is with
// them there.
TEST_F(Playthrough, WholeGameInEnglishDrawsEnglishTextAndPictures) {
  ASSERT_NO_FATAL_FAILURE(WriteWholeGameScript());
  fs::copy(kBuild + "/game", dir_ / "game", fs::copy_options::recursive);
  ASSERT_TRUE(fs::is_directory(dir_ / "game" / "en")) << "the English set is built";
  for (const char* picture : PICTURES_WITH_WORDS) {
    ASSERT_TRUE(fs::exists(dir_ / "game" / "en" / picture)) << picture;
    ASSERT_TRUE(fs::remove(dir_ / "game" / picture)) << picture;
  }
  const std::string english = "env -u LC_ALL -u LC_MESSAGES -u KOBAKO_LANGUAGE LANG=C LANGUAGE=en ";
  auto run = [&](const std::string& data, const std::string& name) {
    const std::string log = (dir_ / (name + ".out")).string();
    const int code = Shell("cd '" + dir_.string() + "' && " + english + wrapper_ + " '" + kRunner +
                           "' --data '" + data + "' --frame-log " + name + ".frames --text-log " +
                           name + ".texts script.txt >'" + log + "' 2>&1");
    EXPECT_EQ(code, 0) << Read(log);
  };
  run((dir_ / "game").string(), "english_only");
  run(kBuild + "/game", "shared_too");

  // The debug lines name the folders, which differ; the pictures shown must not.
  auto pictures = [](const std::string& log) {
    std::istringstream lines(log);
    std::string shown;
    for (std::string line; std::getline(lines, line);) {
      if (line.rfind("debug ", 0) != 0) shown += line + "\n";
    }
    return shown;
  };
  const std::string frames = Read(dir_ / "english_only.frames");
  EXPECT_EQ(frames.find("not loaded"), std::string::npos);
  const std::string shown = pictures(frames);
  EXPECT_GT(shown.size(), 100000u);
  EXPECT_TRUE(shown == pictures(Read(dir_ / "shared_too.frames")))
      << "a picture came from the shared set";

  const std::string texts = Read(dir_ / "english_only.texts");
  std::istringstream lines(texts);
  int count = 0;
  for (std::string line; std::getline(lines, line); count++) {
    ASSERT_TRUE(AsciiOrSymbols(line)) << line;
  }
  EXPECT_GT(count, 500) << "every window's text, frame by frame";
}

}  // namespace
