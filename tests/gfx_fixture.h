// A display for graphics tests: a 640 x 480 back buffer, picture slots that draw onto it, and
// pictures of exact 16-bit pixels loaded into slots through real bitmap files.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "gfx/picture_slots.h"
#include "tests/gfx_bmp565.h"
#include "tests/support/headless.h"

namespace gfxtest {

inline uint16_t Rgb(int r5, int g6, int b5) {
  return static_cast<uint16_t>((r5 << 11) | (g6 << 5) | b5);
}
inline int Red(uint16_t p) {
  return p >> 11;
}
inline int Green(uint16_t p) {
  return (p >> 5) & 63;
}
inline int Blue(uint16_t p) {
  return p & 31;
}

class GfxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestBackend().Reset();
    draw = std::make_unique<PictureSlots>();
    draw->DrawOnto(backbuffer);
  }
  void TearDown() override {
    draw.reset();
    for (const std::string& path : files) std::remove(path.c_str());
  }

  SurfaceId Make(int width, int height, int32_t key = 0) {
    SurfaceId id = -1;
    EXPECT_TRUE(draw->MakeSurface(&id, width, height, key));
    return id;
  }
  std::string TempPath(const std::string& name) {
    // ctest runs the cases as separate processes side by side: keep their files apart.
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    files.push_back(::testing::TempDir() + "kobako_gfx_" + test->test_suite_name() + "_" +
                    test->name() + "_" + name);
    return files.back();
  }
  // Loads a picture of the given pixels into the slot (surface and pixel copy).
  void Load(SurfaceId id, int width, int height, const std::vector<uint16_t>& pixels) {
    const std::string path = TempPath("picture" + std::to_string(files.size()) + ".bmp");
    WriteBmp(path, width, height, pixels);
    ASSERT_TRUE(draw->ReadBitmap(id, path.c_str()));
  }
  // A slot of width x height holding one colour everywhere.
  SurfaceId MakeFilled(int width, int height, uint16_t color) {
    const SurfaceId id = Make(width, height);
    Load(id, width, height, std::vector<uint16_t>(static_cast<size_t>(width) * height, color));
    return id;
  }
  uint16_t Back(int x, int y) const { return backbuffer.Pixels()[y * 640 + x]; }
  void FillBack(uint16_t color) {
    std::fill(backbuffer.Pixels(), backbuffer.Pixels() + 640 * 480, color);
  }
  uint16_t At(SurfaceId id, int x, int y) const {
    const Surface& s = draw->Slot(id).surface;
    return s.Pixels()[y * s.Width() + x];
  }
  void FillSlot(SurfaceId id, uint16_t color) {
    Surface& s = const_cast<Surface&>(draw->Slot(id).surface);
    std::fill(s.Pixels(), s.Pixels() + s.Width() * s.Height(), color);
  }
  // A w x h slot on a larger surface: the surface memory past the slot's w * h pixels (in the
  // slot's own row length) holds a canary that no blit into the slot may change.
  static constexpr uint16_t kCanary = 0xDEAD;
  SurfaceId MakeCanvas(int w, int h) {
    const SurfaceId id = Make(w + 8, h + 8);
    Load(id, w + 8, h + 8, std::vector<uint16_t>(static_cast<size_t>(w + 8) * (h + 8), 1));
    Load(id, w, h, std::vector<uint16_t>(static_cast<size_t>(w) * h, 1));
    Surface& s = const_cast<Surface&>(draw->Slot(id).surface);
    std::fill(s.Pixels(), s.Pixels() + s.Width() * s.Height(), kCanary);
    std::fill(s.Pixels(), s.Pixels() + w * h, 0);
    return id;
  }
  int CanaryDamage(SurfaceId id) const {
    const SurfaceSlot& slot = draw->Slot(id);
    int damaged = 0;
    const int all = slot.surface.Width() * slot.surface.Height();
    for (int i = slot.width * slot.height; i < all; ++i) {
      damaged += slot.surface.Pixels()[i] != kCanary;
    }
    return damaged;
  }
  Pixel* SlotPixels(SurfaceId id) { return const_cast<Surface&>(draw->Slot(id).surface).Pixels(); }
  // Pixel (x, y) of a slot in the slot's own row length, as the effect kinds address it.
  uint16_t InSlot(SurfaceId id, int x, int y) const {
    return draw->Slot(id).surface.Pixels()[y * draw->Slot(id).width + x];
  }
  const std::vector<std::string>& Lines() const { return TestBackend().DebugLines(); }

  Surface backbuffer{SCREEN_W, SCREEN_H};
  std::unique_ptr<PictureSlots> draw;
  std::vector<std::string> files;
};

inline BlitRequest Request(uint8_t mode, SurfaceId src, Rect rect, int x, int y) {
  BlitRequest r{};
  r.Mode = mode;
  r.Src = src;
  r.SrcRect = rect;
  r.x = x;
  r.y = y;
  return r;
}

}  // namespace gfxtest
