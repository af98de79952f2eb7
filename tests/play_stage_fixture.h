// A stage drawn on the headless backend, shared by the gameplay scene tests: the display objects,
// the shared PictureSlots with the window and wipe pictures (written as small files in a scratch
// directory), and the stage surfaces filled with plain colours that a test can look for.
#pragma once
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/shared_objects.h"
#include "app/shell.h"
#include "gfx/picture_slots.h"
#include "platform/events.h"
#include "platform/geometry.h"
#include "platform/surface.h"
#include "tests/bitmap_file_writer.h"
#include "tests/play_display.h"
#include "tests/support/headless.h"
#include "world/stage_map.h"
#include "world/world.h"

namespace stagefix {

constexpr uint16_t kBackColour = 0x8410;
constexpr uint16_t kFloorColour = 0x07E0;
constexpr uint16_t kMarkedFloorColour = 0x001F;
constexpr uint16_t kItemColour = 0xF800;
constexpr uint16_t kHeroColour = 0xFFE0;
constexpr uint16_t kVillColour = 0xF81F;
constexpr uint16_t kClearColour = 0xFFFF;
constexpr uint16_t kRescueColour = 0xF7DE;
constexpr uint16_t kFrameColour = 0x2945;
constexpr uint16_t kWipeColour = 0x2104;  // subtracted by the wipe

inline void WriteBitmap(const std::string& path, int w, int h,
                        const std::function<uint16_t(int, int)>& colour) {
  ASSERT_TRUE(WriteBitmapFile(path, w, h, colour)) << path;
}

inline bool Inside(int x, int y, int l, int t, int r, int b) {
  return x >= l && x < r && y >= t && y < b;
}

// The window sheet: rescue background, message frame, and a portrait colour per stage.
inline uint16_t FrameSheet(int x, int y) {
  if (Inside(x, y, 0, 0, 540, 140)) return kRescueColour;
  if (Inside(x, y, 0, 140, 440, 280)) return kFrameColour;
  if (Inside(x, y, 0, 280, 500, 560))
    return static_cast<uint16_t>(0x0800 * (1 + x / 100) + y / 140);
  if (Inside(x, y, 500, 280, 600, 420)) return 0xA000;
  if (Inside(x, y, 500, 420, 600, 560)) return 0xA800;
  return 0;
}

inline void FillRect(Surface& s, int l, int t, int r, int b, uint16_t colour) {
  s.Fill(Rect{l, t, r, b}, colour);
}

inline void SetBlackKey(Surface& s) {
  s.SetKey(0);
}

inline uint16_t PixelAt(const Surface& s, int x, int y) {
  return s.Pixels()[y * s.Width() + x];
}

// The picture every frame is drawn into.
inline Surface& Backbuffer() {
  return TheDisplay().backbuffer;
}
// A pixel of what the screen shows.
inline uint16_t ShownAt(int x, int y) {
  return PixelAt(TheDisplay().screen.Shown(), x, y);
}

inline std::vector<uint16_t> Rows(const std::vector<uint16_t>& picture, int top, int bottom) {
  return std::vector<uint16_t>(picture.begin() + top * 640, picture.begin() + bottom * 640);
}

class StageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/kobako_play_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    scratch_ = pattern;
    std::filesystem::create_directories(scratch_ + "/img");
    ASSERT_NE(getcwd(oldDir_, sizeof oldDir_), nullptr);
    ASSERT_EQ(chdir(scratch_.c_str()), 0);
    WriteBitmap("img/frame.bmp", 640, 1000, FrameSheet);
    WriteBitmap("img/Back.bmp", 640, 480, [](int, int) { return kWipeColour; });

    TestBackend().Reset();
    ClearEvents();
    OpenStageDisplay("img/frame.bmp", "img/Back.bmp");
    MakeStageSurfaces();
    ResetWorld();
    InitStageMap();
    StageMapReady = 1;
    SpaceHeld = 0;
    ShiftHeld = 0;
  }

  void TearDown() override {
    TestBackend().SetPresentHook(nullptr);
    TestBackend().ReleaseAllKeys();
    CloseStageDisplay();
    ASSERT_EQ(chdir(oldDir_), 0);
    std::filesystem::remove_all(scratch_);
  }

  // Every sheet in one colour per picture kind, black (transparent) elsewhere.
  void MakeStageSurfaces() {
    Display& display = TheDisplay();
    MakeSceneSurface(display.back, 640, 480);
    FillRect(display.back, 0, 0, 640, 480, kBackColour);
    MakeSceneSurface(display.item, 700, 1100);
    FillRect(display.item, 0, 0, 67, 42, kFloorColour);
    FillRect(display.item, 0, 42, 67, 84, kMarkedFloorColour);
    FillRect(display.item, 0, 84, 67, 1100, kItemColour);
    SetBlackKey(display.item);
    MakeSceneSurface(display.chara, 640, 480);
    FillRect(display.chara, 0, 0, 640, 480, kHeroColour);
    SetBlackKey(display.chara);
    MakeSceneSurface(display.vill, 576, 1000);
    FillRect(display.vill, 0, 0, 576, 1000, kVillColour);
    SetBlackKey(display.vill);
    MakeSceneSurface(display.fram, 640, 1000);
    LoadBitmapSurface(display.fram, "img/frame.bmp");
    SetBlackKey(display.fram);
    MakeSceneSurface(display.clea, 640, 480);
    FillRect(display.clea, 0, 0, 300, 80, kClearColour);
    SetBlackKey(display.clea);
    MakeSceneSurface(display.menu, 640, 480);
  }

  // An empty map with the hero resting on (8, 0), out of the way of the windows.
  void ResetWorld() {
    FillTileTables();
    for (auto& column : TileMark)
      for (int& mark : column) mark = 0;
    BMAX = 0;
    VMAX = 0;
    Area = 0;
    StageNo = 0;
    PlaceHero(8, 0);
  }

  static void PlaceHero(int x, int y) {
    Chara = CharaRec{};
    Chara.TilePt = {x, y};
    Chara.OldPt = {x, y};
    Chara.Pos = TilePosition(x, y);
    Chara.Turn = 1;
  }

  std::string scratch_;
  char oldDir_[4096] = {};
};

}  // namespace stagefix
