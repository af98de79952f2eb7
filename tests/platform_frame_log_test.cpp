// The headless backend's frame log: one line per picture shown, debug line and tune start.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/backend_headless.h"

namespace {

class FrameLogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    file_ = std::tmpfile();
    ASSERT_NE(file_, nullptr);
    backend_.SetFrameLog(file_);
  }
  void TearDown() override {
    if (file_ != nullptr) std::fclose(file_);
  }
  std::string Log() {
    std::fflush(file_);
    std::rewind(file_);
    std::string text;
    for (int c; (c = std::fgetc(file_)) != EOF;) text += static_cast<char>(c);
    return text;
  }
  void Show(const std::vector<uint16_t>& pixels, int width, int height, bool isPresent) {
    backend_.ShowPrimary(pixels.data(), width, height, isPresent, nullptr);
  }
  HeadlessBackend backend_;
  std::FILE* file_ = nullptr;
};

TEST_F(FrameLogTest, PictureLineHasCountClockKindAndFnv1aOfTheLittleEndianPixels) {
  backend_.SetClock(41);
  Show({0x6261}, 1, 1, true);  // the bytes "ab"
  backend_.SetClock(70);
  Show(std::vector<uint16_t>(640 * 480, 0), 640, 480, false);
  EXPECT_EQ(Log(),
            "1 41 1 089c4407b545986a\n"
            "1 70 0 4f2d9f141eeda325\n");
}

TEST_F(FrameLogTest, PictureShownAgainAfterAnotherHashesAsBefore) {
  const std::vector<uint16_t> a(640 * 480, 0x1234), b(640 * 480, 0x4321);
  Show(a, 640, 480, true);
  Show(a, 640, 480, true);
  Show(b, 640, 480, true);
  Show(a, 640, 480, false);
  const std::string log = Log();
  const std::string hashA = log.substr(log.find(" 1 ") + 3, 16);
  const size_t third = log.find("3 0 1 ");
  ASSERT_NE(third, std::string::npos) << log;
  const std::string hashB = log.substr(third + 6, 16);
  EXPECT_NE(hashA, hashB);
  EXPECT_EQ(log,
            "1 0 1 " + hashA + "\n2 0 1 " + hashA + "\n3 0 1 " + hashB + "\n3 0 0 " + hashA + "\n");
}

TEST_F(FrameLogTest, DebugLinesAreEscapedOntoOneLineEach) {
  Show({0}, 1, 1, true);
  backend_.SetClock(9);
  backend_.DebugLine("\tsurface= 3\n");
  backend_.DebugLine("a\\b\nc");
  EXPECT_EQ(Log(),
            "1 0 1 08328807b4eb6fed\n"
            "debug 1 9 \\x09surface= 3\n"
            "debug 1 9 a\\\\b\\x0ac\n");
}

TEST_F(FrameLogTest, OnlyATuneThatStartsIsLogged) {
  backend_.PlayMusicFromStart();  // none open
  EXPECT_EQ(Log(), "");
  ASSERT_TRUE(backend_.OpenMusic(KOBAKO_SOURCE_DIR "/CMakeLists.txt"));
  backend_.SetClock(5);
  backend_.PlayMusicFromStart();
  EXPECT_EQ(Log(), "tune 0 5\n");
}

TEST_F(FrameLogTest, NoLogNoLines) {
  backend_.SetFrameLog(nullptr);
  Show({1}, 1, 1, true);
  backend_.DebugLine("x\n");
  EXPECT_EQ(Log(), "");
  EXPECT_EQ(backend_.PresentCount(), 1);
}

}  // namespace
