// Small stage and message files written inline by the world and play tests.
#pragma once
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>

#include "world/datafile.h"
#include "world/world.h"

namespace stagetext {

// Each line ended by CR LF, as the game's files are written.
inline std::string Crlf(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

// Parses bytes as a file read at start-up or set-up would be parsed.
inline void ParseText(const std::string& text) {
  LoadDataBuffer(text.data(), static_cast<int>(text.size()));
  BMAX = 0;
  VMAX = 0;
  DataPos = 0;
  ParseRecords();
}

inline void ClearMessages() {
  std::memset(MesText, 0, sizeof MesText);
}

// A scratch directory holding data/, made the working directory for the test's lifetime.
class ScratchDir {
 public:
  ScratchDir() {
    char pattern[] = "/tmp/kobako-world-XXXXXX";
    const char* made = mkdtemp(pattern);
    EXPECT_NE(made, nullptr);
    dir_ = made != nullptr ? made : "/tmp";
    old_ = std::filesystem::current_path();
    std::filesystem::create_directories(dir_ + "/data");
    std::filesystem::current_path(dir_);
  }
  ~ScratchDir() {
    std::filesystem::current_path(old_);
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  void Write(const std::string& relative, const std::string& text) const {
    std::ofstream out(dir_ + "/" + relative, std::ios::binary);
    out << text;
  }
  void WriteStage(int n, const std::string& text) const {
    char name[32];
    std::snprintf(name, sizeof name, "data/data%02d.txt", n);
    Write(name, text);
  }

 private:
  std::string dir_;
  std::filesystem::path old_;
};

}  // namespace stagetext
