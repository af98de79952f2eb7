// The stage map of a first visit: places, pictures, links and what is open; and the progress
// the map carries from one run to the next.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/progress_file.h"
#include "world/stage_map.h"

namespace {

TEST(StageMap, FirstVisitOpensOnlyStageZero) {
  StageNodes[4].Cleared = 1;
  StageNodes[7].PopTick = 12;
  InitStageMap();
  for (int i = 0; i < NODE_COUNT; i++) {
    EXPECT_EQ(StageNodes[i].Id, i);
    EXPECT_EQ(StageNodes[i].Open, i == 0 ? 1 : 0) << i;
    EXPECT_EQ(StageNodes[i].Cleared, 0) << i;
    EXPECT_EQ(StageNodes[i].PopTick, 0) << i;
    EXPECT_EQ(StageNodes[i].PopW, 0) << i;
  }
}

TEST(StageMap, EveryLinkHasItsReverseAndNodeTenWaitsAboveNodeZero) {
  InitStageMap();
  int links = 0;
  for (const StageNode& node : StageNodes) {
    for (int d = 0; d < 4; d++) {
      const StageNode* next = node.Links[d];
      if (next == nullptr) continue;
      links++;
      if (node.Id == 10) continue;  // its way back appears with the unlock
      EXPECT_EQ(next->Links[(d + 2) % 4], &node) << node.Id << " direction " << d;
    }
  }
  // Ten links in both directions, less node 0's way up, which opens with the last stage.
  EXPECT_EQ(links, 19);
  EXPECT_EQ(StageNodes[0].Links[0], nullptr);
  EXPECT_EQ(StageNodes[10].Links[2], &StageNodes[0]);
}

TEST(StageMap, NodesStandWhereTheMapShowsThem) {
  InitStageMap();
  const int places[NODE_COUNT][2] = {{100, 300}, {200, 300}, {200, 200}, {200, 50},
                                     {350, 200}, {350, 100}, {450, 100}, {350, 300},
                                     {450, 300}, {450, 200}, {100, 100}};
  for (int i = 0; i < NODE_COUNT; i++) {
    EXPECT_EQ(StageNodes[i].X, places[i][0]) << i;
    EXPECT_EQ(StageNodes[i].Y, places[i][1]) << i;
    const Rect& s = StageNodes[i].Sprite;
    EXPECT_EQ(s.left, i == 10 ? 200 : 0) << i;
    EXPECT_EQ(s.right - s.left, 100);
    EXPECT_EQ(s.top, 480);
    EXPECT_EQ(s.bottom, 580);
  }
  // Directions point the way they say: up lowers Y, right raises X.
  for (const StageNode& node : StageNodes) {
    const StageNode* const* to = node.Links;
    EXPECT_TRUE(to[0] == nullptr || to[0]->Y < node.Y) << node.Id;
    EXPECT_TRUE(to[1] == nullptr || to[1]->X > node.X) << node.Id;
    EXPECT_TRUE(to[2] == nullptr || to[2]->Y > node.Y) << node.Id;
    EXPECT_TRUE(to[3] == nullptr || to[3]->X < node.X) << node.Id;
  }
}

namespace fs = std::filesystem;

class Progress : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("kobako_progress_" + std::to_string(getpid()));
    fs::remove_all(dir_);
    file_ = dir_ / "kobako" / "progress";
    SetProgressFile(file_.string());
    InitStageMap();
    SelectCursor = 0;
  }
  void TearDown() override {
    SetProgressFile("");
    ReadProgress();  // nothing kept for the next test
    fs::remove_all(dir_);
  }

  // Stages 0 to 2 cleared, their neighbours open, the cursor on 3.
  static void Play() {
    for (int n : {0, 1, 2}) StageNodes[n].Cleared = 1;
    for (int n : {1, 2, 3, 4}) StageNodes[n].Open = 1;
    SelectCursor = 3;
  }
  static bool FirstVisit() {
    for (int i = 0; i < NODE_COUNT; i++) {
      if (StageNodes[i].Open != (i == 0) || StageNodes[i].Cleared) return false;
    }
    return SelectCursor == 0;
  }
  // A new run: the file read at start-up, then its first map; returns standard error.
  static std::string NewRun() {
    testing::internal::CaptureStderr();
    ReadProgress();
    InitStageMap();
    SelectCursor = 0;
    RestoreProgress();
    return testing::internal::GetCapturedStderr();
  }
  void Write(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
  }
  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  int FilesInFolder() const {
    const fs::directory_iterator files(file_.parent_path());
    return static_cast<int>(std::distance(begin(files), end(files)));
  }

  fs::path dir_, file_;
};

const char kPlayed[] = "kobako progress 1\nopen 0 1 2 3 4\ncleared 0 1 2\ncursor 3\nend\n";

TEST_F(Progress, ClearedStagesAndTheCursorComeBackInTheNextRunOnce) {
  EXPECT_EQ(NewRun(), "");
  EXPECT_TRUE(FirstVisit()) << "a first run is a first visit";
  Play();
  SaveProgress();
  EXPECT_EQ(Read(file_), kPlayed);
  EXPECT_EQ(FilesInFolder(), 1) << "no temporary file stays";
  EXPECT_EQ(StageNodes[5].Open, 0) << "saving leaves the map as it is";

  EXPECT_EQ(NewRun(), "");
  for (int i = 0; i < NODE_COUNT; i++) {
    EXPECT_EQ(StageNodes[i].Open, i <= 4) << i;
    EXPECT_EQ(StageNodes[i].Cleared, i <= 2) << i;
  }
  EXPECT_EQ(SelectCursor, 3);
  InitStageMap();
  RestoreProgress();
  EXPECT_EQ(StageNodes[1].Open, 0) << "a map laid out again in the same run starts afresh";

  SetProgressFile("");
  EXPECT_EQ(NewRun(), "");
  EXPECT_TRUE(FirstVisit()) << "without a file set nothing is read";
  Play();
  SaveProgress();
  EXPECT_EQ(Read(file_), kPlayed) << "nor written";
}

TEST_F(Progress, DamagedOrNewerFilesAreNamedOnceAndKeptUntilAClear) {
  const std::string cut = std::string(kPlayed).substr(0, 40);
  const struct {
    std::string text, why;
  } files[] = {
      {"kobako progress 2\nstars 3\nend\n", "from a newer kobako (progress version 2)"},
      {"", "not a kobako progress file"},
      {"kobako progress 0\nopen 0\ncleared\ncursor 0\nend\n", "damaged at line 1"},
      {"kobako progress 1\nopen 0 11\ncleared\ncursor 0\nend\n", "damaged at line 2"},
      {"kobako progress 1\nopen 0\ncleared -1\ncursor 0\nend\n", "damaged at line 3"},
      {cut, "damaged at line 4"},
      {std::string(kPlayed, sizeof kPlayed - 2), "damaged at line 5"},
      {std::string(kPlayed) + "open 5\n", "damaged at line 6"},
      {"kobako progress 1\nopen 0 1\ncleared 0 2\ncursor 0\nend\n",
       "damaged: stage 2 is cleared but not open"},
      {"kobako progress 1\nopen 1\ncleared\ncursor 1\nend\n", "damaged: stage 0 is not open"},
      {"kobako progress 1\nopen 0 1\ncleared 0\ncursor 5\nend\n",
       "damaged: the cursor stands on a stage that is not open"},
      {std::string(kProgressLimit + 1, '\n'), "too large for a progress file"},
  };
  for (const auto& file : files) {
    Write(file_, file.text);
    const std::string err = NewRun();
    EXPECT_EQ(err, "kobako: " + file_.string() + ": " + file.why + "; starting afresh\n");
    EXPECT_TRUE(FirstVisit()) << file.why;
    EXPECT_EQ(Read(file_), file.text) << "left as it was";
  }
  // The first clear moves what it cannot understand or read aside, then saves.
  const fs::path aside = file_.string() + ".";
  const struct {
    std::string text;
    fs::path to;
  } moved[] = {{files[0].text, aside.string() + "newer"},
               {files[2].text, aside.string() + "damaged"},
               {files[11].text, aside.string() + "damaged.1"},
               {"", aside.string() + "unreadable"}};
  for (const auto& file : moved) {
    if (file.to.extension() == ".unreadable") {
      fs::remove(file_);
      fs::create_symlink("/proc/self/mem", file_);  // reads fail with an I/O error
    } else {
      Write(file_, file.text);
    }
    Play();
    testing::internal::CaptureStderr();
    SaveProgress();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("moved aside to " + file.to.string() + "\n"), std::string::npos) << err;
    EXPECT_EQ(Read(file_), kPlayed);
    if (fs::is_symlink(file.to)) {
      EXPECT_EQ(fs::read_symlink(file.to), "/proc/self/mem");
    } else {
      EXPECT_EQ(Read(file.to), file.text) << file.to;
    }
  }

  fs::remove(file_);
  fs::create_directory(file_);
  EXPECT_EQ(NewRun(), "kobako: " + file_.string() + ": not a regular file; starting afresh\n");
  EXPECT_TRUE(FirstVisit());
}

TEST_F(Progress, TwoCopiesSavingAtOnceKeepEachOthersClearsAndTheResetSparesThem) {
  InitStageMap();
  ReadProgress();
  // Each copy clears a stage of its own and saves, many times over, at the same moments.
  pid_t copies[2];
  for (int copy = 0; copy < 2; copy++) {
    copies[copy] = fork();
    if (copies[copy] == 0) {
      StageNodes[copy + 1].Open = StageNodes[copy + 1].Cleared = 1;
      SelectCursor = copy + 1;
      for (int i = 0; i < 40; i++) SaveProgress();
      _exit(0);
    }
  }
  for (pid_t copy : copies) waitpid(copy, nullptr, 0);
  const std::string both = Read(file_);
  EXPECT_EQ(both.rfind("kobako progress 1\nopen 0 1 2\ncleared 1 2\ncursor ", 0), 0u) << both;

  // This run cleared stage 3 only: its ending leaves the other copies' progress alone.
  StageNodes[3].Open = StageNodes[3].Cleared = 1;
  SelectCursor = 3;
  SaveProgress();
  EXPECT_EQ(Read(file_), "kobako progress 1\nopen 0 1 2 3\ncleared 1 2 3\ncursor 3\nend\n");
  ResetProgress();
  EXPECT_FALSE(fs::exists(file_)) << "all it holds this run has written";
  SaveProgress();
  Write(file_, "kobako progress 1\nopen 0 4\ncleared 4\ncursor 4\nend\n");
  ResetProgress();
  EXPECT_TRUE(fs::exists(file_)) << "stage 4 was cleared by another copy";
  Write(file_, "kobako progress 2\n");
  ResetProgress();
  EXPECT_TRUE(fs::exists(file_)) << "a newer kobako's file stays";
}

TEST_F(Progress, AFolderThatCannotBeMadePlaysOnWithoutSaving) {
  Write(dir_ / "kobako", "a file where the folder should be");
  Play();
  testing::internal::CaptureStderr();
  SaveProgress();
  SaveProgress();
  ResetProgress();
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(
      err.rfind("kobako: cannot save the progress in " + (dir_ / "kobako").string() + " (", 0), 0u)
      << err;
  EXPECT_EQ(err.find('\n'), err.size() - 1) << "one line for the whole run: " << err;
  EXPECT_EQ(SelectCursor, 3);
  EXPECT_EQ(StageNodes[2].Cleared, 1);
}

TEST_F(Progress, AnInterruptedWriteLeavesThePreviousProgress) {
  Play();
  SaveProgress();
  // Leftovers of writes cut short: a temporary file half written, another empty.
  Write(file_.string() + ".x7Qa2b", std::string(kPlayed).substr(0, 25));
  Write(file_.string() + ".Zz0000", "");
  Write(file_.string() + ".old123", "");  // left by a save cut short two minutes ago
  const auto then = fs::file_time_type::clock::now() - std::chrono::minutes(2);
  fs::last_write_time(file_.string() + ".old123", then);
  EXPECT_EQ(NewRun(), "");
  EXPECT_FALSE(fs::exists(file_.string() + ".old123"));
  EXPECT_EQ(SelectCursor, 3);
  EXPECT_EQ(StageNodes[2].Cleared, 1);

  // A disk that fills up in the middle of the write.
  StageNodes[3].Cleared = 1;
  StageNodes[5].Open = StageNodes[7].Open = 1;
  struct rlimit limit;
  getrlimit(RLIMIT_FSIZE, &limit);
  const struct rlimit small = {20, limit.rlim_max};
  signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  SaveProgress();
  setrlimit(RLIMIT_FSIZE, &limit);
  signal(SIGXFSZ, SIG_DFL);
  EXPECT_EQ(Read(file_), kPlayed);
  EXPECT_EQ(FilesInFolder(), 3) << "the temporary file of the failed write is gone";
  SaveProgress();
  EXPECT_NE(Read(file_), kPlayed) << "the next clear saves again";
}

}  // namespace
