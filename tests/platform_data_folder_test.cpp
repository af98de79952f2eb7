// Where the program finds its pictures, stages and tune: named by KOBAKO_DATA, beside the
// program in the build tree, or in the installed share/kobako.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/data_folder.h"

namespace {

namespace fs = std::filesystem;

class DataFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("kobako_data_folder_" + std::to_string(getpid()));
    fs::create_directories(root_ / "usr" / "bin");
    std::ofstream(program_ = (root_ / "usr" / "bin" / "kobako").string()) << "program";
  }
  void TearDown() override { fs::remove_all(root_); }
  fs::path root_;
  std::string program_;
};

TEST_F(DataFolder, InstalledProgramUsesShareKobako) {
  fs::create_directories(root_ / "usr" / "share" / "kobako");
  EXPECT_EQ(FindDataFolder(program_, nullptr), (root_ / "usr" / "share" / "kobako").string());
}

TEST_F(DataFolder, DebianGamesLayoutIsFoundToo) {
  fs::create_directories(root_ / "usr" / "share" / "games" / "kobako");
  EXPECT_EQ(FindDataFolder(program_, nullptr),
            (root_ / "usr" / "share" / "games" / "kobako").string());
}

TEST_F(DataFolder, GameFolderBesideTheProgramComesFirst) {
  fs::create_directories(root_ / "usr" / "share" / "kobako");
  fs::create_directories(root_ / "usr" / "bin" / "game");
  EXPECT_EQ(FindDataFolder(program_, nullptr), (root_ / "usr" / "bin" / "game").string());
}

TEST_F(DataFolder, KobakoDataOverridesEverything) {
  fs::create_directories(root_ / "usr" / "bin" / "game");
  EXPECT_EQ(FindDataFolder(program_, "/somewhere/else"), "/somewhere/else");
  // Set but empty counts as not set.
  EXPECT_EQ(FindDataFolder(program_, ""), (root_ / "usr" / "bin" / "game").string());
}

TEST_F(DataFolder, NoFolderKeepsTheCurrentOne) {
  EXPECT_EQ(FindDataFolder(program_, nullptr), "");
  EXPECT_EQ(FindDataFolder("", nullptr), "");
  // A file where the folder should be is no data folder.
  fs::create_directories(root_ / "usr" / "share");
  std::ofstream((root_ / "usr" / "share" / "kobako").string()) << "not a folder";
  EXPECT_EQ(FindDataFolder(program_, nullptr), "");
}

}  // namespace
