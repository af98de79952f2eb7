// The desktop's measurement aids: the key script it plays against presented frames, and the marks
// and times it logs.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/desktop_pacing.h"
#include "platform/events.h"
#include "platform/gamepad.h"
#include "platform/keys.h"
#include "platform/script.h"

namespace {

namespace fs = std::filesystem;
using Step = DesktopPacing::Step;

TEST(PacingScript, KeysEscapeMarksAndEndAreReadInFrameOrder) {
  std::vector<Step> steps;
  std::string error;
  ASSERT_TRUE(
      DesktopPacing::Parse("# flat\n"
                           "at 9 escape\n"
                           "at 3 keys Up,Space\n"
                           "at 5 state /tmp/run/title_start.json\n"
                           "at 6 shot /tmp/run/title.png\n"
                           "at 7 keys -\n"
                           "end 12\n",
                           &steps, &error))
      << error;
  ASSERT_EQ(steps.size(), 5u);  // the picture is the headless runner's business
  EXPECT_EQ(steps[0].kind, Step::KEYS);
  EXPECT_EQ(steps[0].frame, 3);
  EXPECT_EQ(steps[0].keys, (std::vector<Key>{Key::Up, Key::Space}));
  EXPECT_EQ(steps[1].kind, Step::MARK);
  EXPECT_EQ(steps[1].name, "title_start");
  EXPECT_EQ(steps[2].kind, Step::KEYS);
  EXPECT_TRUE(steps[2].keys.empty());
  EXPECT_EQ(steps[3].kind, Step::ESCAPE);
  EXPECT_EQ(steps[4].kind, Step::END);
  EXPECT_EQ(steps[4].frame, 12);
}

TEST(PacingScript, LinesItCannotPlayAreRefusedWithTheirNumber) {
  std::vector<Step> steps;
  std::string error;
  EXPECT_FALSE(DesktopPacing::Parse("at 1 keys Up\nat 2 keys Jump\n", &steps, &error));
  EXPECT_NE(error.find("line 2"), std::string::npos) << error;
  steps.clear();
  // Scenes are unknown to the desktop: a script still waiting for one must be flattened first.
  EXPECT_FALSE(DesktopPacing::Parse("when TitleScene\n", &steps, &error));
  EXPECT_FALSE(DesktopPacing::Parse("at -1 escape\n", &steps, &error));
}

TEST(PadMapping, EachControlHoldsItsKeyAndTheStickOnlyPastHalfWay) {
  const struct {
    const char* name;
    Key key;
  } kMapping[] = {
      {"dpup", Key::Up},           {"dpdown", Key::Down},
      {"dpleft", Key::Left},       {"dpright", Key::Right},
      {"a", Key::Space},           {"b", Key::Shift},
      {"start", Key::Shift},       {"leftshoulder", Key::Control},
      {"rightshoulder", Key::Tab}, {"leftx-", Key::Left},
      {"leftx+", Key::Right},      {"lefty-", Key::Up},
      {"lefty+", Key::Down},       {"x", Key::H},
      {"y", Key::Backspace},       {"back", Key::R},
  };
  const Key kKeys[] = {Key::Up,    Key::Down,    Key::Left, Key::Right,  Key::Space,
                       Key::Shift, Key::Control, Key::Tab,  Key::Escape, Key::Backspace,
                       Key::Z,     Key::R,       Key::H};
  for (const auto& control : kMapping) {
    unsigned held = 0;
    std::string why;
    ASSERT_TRUE(ParsePadControls(control.name, &held, &why)) << why;
    for (Key key : kKeys) EXPECT_EQ(PadHoldsKey(held, key), key == control.key) << control.name;
  }
  EXPECT_EQ(StickControls(16384, -16384), 0u);
  EXPECT_EQ(StickControls(16385, -16385), unsigned{kPadStickRight | kPadStickUp});
  EXPECT_EQ(StickControls(-32768, 32767), unsigned{kPadStickLeft | kPadStickDown});
  Script script;
  std::string error;
  ASSERT_TRUE(ParseScript("at 2 pad a,leftx-\n", &script, &error)) << error;
  EXPECT_EQ(StepLine(script.steps[0], 2), "at 2 pad a,leftx-");
  EXPECT_FALSE(ParseScript("at 2 pad leftstick\n", &script, &error));
  Script more;
  ASSERT_TRUE(ParseScript("at 3 keys Backspace,Z,R,H\nat 4 pad x,y,back\n", &more, &error))
      << error;
  EXPECT_EQ(StepLine(more.steps[0], 3), "at 3 keys Backspace,Z,R,H");
  EXPECT_EQ(StepLine(more.steps[1], 4), "at 4 pad x,y,back");
}

class PacingRun : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("kobako_pacing_" + std::to_string(getpid()));
    fs::create_directories(dir_);
    std::ofstream(dir_ / "script.txt") << "at 2 keys Right\nat 3 state here.json\n"
                                          "at 4 keys -\nat 5 escape\n";
    setenv("KOBAKO_SCRIPT", (dir_ / "script.txt").c_str(), 1);
    setenv("KOBAKO_PRESENT_LOG", (dir_ / "presents.log").c_str(), 1);
  }
  void TearDown() override {
    unsetenv("KOBAKO_SCRIPT");
    unsetenv("KOBAKO_PRESENT_LOG");
    fs::remove_all(dir_);
  }
  fs::path dir_;
};

TEST_F(PacingRun, ScriptedKeysAreHeldBetweenTheirFramesAndEveryPresentIsLogged) {
  ClearEvents();
  {
    DesktopPacing pacing;
    std::vector<bool> right;
    for (int frame = 1; frame <= 5; frame++) {
      pacing.AfterPresent(frame);
      right.push_back(pacing.KeyDown(Key::Right));
    }
    EXPECT_EQ(right, (std::vector<bool>{false, true, true, false, false}));
    ASSERT_TRUE(EventWaiting());
    EXPECT_EQ(TakeEvent(), GameEvent::Escape);
    EXPECT_FALSE(EventWaiting());
  }
  std::ifstream log(dir_ / "presents.log");
  std::vector<std::string> lines;
  for (std::string line; std::getline(log, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[3], "mark here 3");
  long long frame = 0, wall = 0, cpu = 0, lastWall = 0;
  for (const std::string& line : lines) {
    if (line.rfind("present ", 0) != 0) continue;
    std::istringstream in(line.substr(8));
    in >> frame >> wall >> cpu;
    ASSERT_TRUE(in) << line;
    EXPECT_GE(wall, lastWall);
    EXPECT_GT(cpu, 0);
    lastWall = wall;
  }
  EXPECT_EQ(frame, 5);
}

TEST_F(PacingRun, KeyAndItsPadControlHeldTogetherAreOneKey) {
  std::ofstream(dir_ / "script.txt") << "at 1 keys Space\nat 2 pad a\nat 3 keys -\nat 4 pad -\n";
  DesktopPacing pacing;
  std::vector<bool> space;
  for (int frame = 1; frame <= 4; frame++) {
    pacing.AfterPresent(frame);
    space.push_back(pacing.KeyDown(Key::Space));
  }
  EXPECT_EQ(space, (std::vector<bool>{true, true, true, false}));
}

TEST_F(PacingRun, FrameZeroActsBeforeTheFirstFrameAndAnUnreadableScriptIsNamed) {
  ClearEvents();
  std::ofstream(dir_ / "script.txt") << "at 0 keys Right\nat 0 escape\n";
  {
    DesktopPacing pacing;
    EXPECT_TRUE(pacing.KeyDown(Key::Right));
    ASSERT_TRUE(EventWaiting());
    EXPECT_EQ(TakeEvent(), GameEvent::Escape);
  }
  setenv("KOBAKO_SCRIPT", dir_.c_str(), 1);
  ::testing::internal::CaptureStderr();
  { DesktopPacing pacing; }
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(err.rfind("kobako: " + dir_.string() + ": cannot read", 0), 0u) << err;
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
}

TEST_F(PacingRun, ALogThatIsNotARegularFileIsRefusedInOneLineWithoutWaiting) {
  const fs::path fifo = dir_ / "fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  for (const char* path : {fifo.c_str(), "/dev/full"}) {
    setenv("KOBAKO_PRESENT_LOG", path, 1);
    ::testing::internal::CaptureStderr();
    alarm(10);  // a wait for a reader ends the test here
    {
      DesktopPacing pacing;
      pacing.AfterPresent(1);
    }
    alarm(0);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(err, "kobako: cannot write " + std::string(path) + " (not a regular file)\n");
  }
}

}  // namespace
