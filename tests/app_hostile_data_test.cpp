// The game with damaged data or a bare machine, played through the headless runner: no font at
// all or none with Japanese letters, missing and cut-short pictures, a missing stage file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "gfx/picture_slots.h"
#include "tests/child_process.h"
#include "tests/gfx_fixture.h"

namespace {

namespace fs = std::filesystem;

const std::string kRunner = KOBAKO_BINARY_DIR "/kobako-headless";
const fs::path kGame = KOBAKO_BINARY_DIR "/game";

// Stage 0 in play, then the pause menu with its five lines of text.
const char kPauseMenu[] =
    "at 60 keys Shift\n"
    "at 62 keys -\n"
    "at 80 shot menu.png\n"
    "at 80 state menu.json\n"
    "end 80\n";

class DamagedData : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fs::exists(kRunner)) << "build kobako-headless first";
    ASSERT_TRUE(fs::exists(kGame / "data" / "data01.txt")) << "build the game's data first";
    dir_ = fs::temp_directory_path() / ("kobako_damaged_" + std::to_string(getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }
  fs::path CopyOfGame() {
    fs::path copy = dir_ / "game";
    fs::copy(kGame, copy, fs::copy_options::recursive);
    return copy;
  }
  // Runs the script on the data folder from stage `stage`; output files land in the test folder.
  ChildResult Play(const std::string& script, int stage, const fs::path& data,
                   const std::optional<std::string>& fontconfig = std::nullopt) {
    std::ofstream(dir_ / "script.txt") << script;
    ChildRun run;
    run.args = {kRunner, "--data", data.string(), "--stage", std::to_string(stage), "script.txt"};
    run.folder = dir_.string();
    if (fontconfig) run.env.emplace_back("FONTCONFIG_FILE", *fontconfig);
    run.limitMs = 30000;
    return RunChild(run);
  }
  std::string Read(const std::string& name) {
    std::ifstream in(dir_ / name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  // A fontconfig setup that offers the fonts of `folder` only (none when empty).
  std::string FontConfig(const std::string& name, const std::string& folder) {
    const fs::path path = dir_ / name;
    std::ofstream out(path);
    out << "<?xml version=\"1.0\"?>\n<fontconfig>\n";
    if (!folder.empty()) {
      out << "  <dir>" << folder << "</dir>\n  <cachedir>" << (dir_ / "fontcache").string()
          << "</cachedir>\n";
    }
    out << "</fontconfig>\n";
    return path.string();
  }
  fs::path dir_;
};

void ExpectCleanEnd(const ChildResult& result) {
  EXPECT_FALSE(result.hung) << result.err;
  EXPECT_TRUE(result.exited) << "signal " << result.signal << "\n" << result.err;
  EXPECT_EQ(result.code, 0) << result.err;
}

TEST_F(DamagedData, TextFallsBackToAnyFontAndWithoutFontsIsLeftOut) {
  const fs::path latin = "/usr/share/fonts/truetype/dejavu";
  ASSERT_TRUE(fs::exists(latin / "DejaVuSans.ttf")) << "install fonts-dejavu-core";
  std::string shots[4];
  const std::optional<std::string> configs[4] = {
      std::nullopt, FontConfig("latin.conf", latin.string()), FontConfig("none.conf", ""),
      FontConfig("none.conf", "")};
  for (int i = 0; i < 4; ++i) {
    ExpectCleanEnd(Play(kPauseMenu, 0, kGame, configs[i]));
    EXPECT_NE(Read("menu.json").find("\"scene\":\"PauseScene\""), std::string::npos) << i;
    shots[i] = Read("menu.png");
    ASSERT_FALSE(shots[i].empty()) << i;
  }
  // The same run gives the same picture, so each difference below is the text.
  EXPECT_EQ(shots[2], shots[3]);
  EXPECT_NE(shots[0], shots[2]) << "the usual fonts draw the menu";
  EXPECT_NE(shots[1], shots[2]) << "a font without Japanese letters still draws something";
  EXPECT_NE(shots[0], shots[1]);
}

TEST_F(DamagedData, MissingAndCutShortPicturesLeaveTheGamePlaying) {
  const fs::path game = CopyOfGame();
  fs::remove(game / "img" / "hero.bmp");
  fs::remove(game / "img" / "OP_pic.bmp");
  fs::resize_file(game / "img" / "back0.bmp", fs::file_size(game / "img" / "back0.bmp") / 2);
  fs::resize_file(game / "img" / "frame.bmp", 100);
  fs::resize_file(game / "img" / "trap.bmp", 0);
  ExpectCleanEnd(Play(kPauseMenu, 0, game));
  EXPECT_NE(Read("menu.json").find("\"scene\":\"PauseScene\""), std::string::npos);
}

// The part of a state that describes the stage: its number, hero, items and villagers.
std::string StageOf(const std::string& json) {
  const size_t from = json.find("\"stageNo\"");
  const size_t villagers = json.find("\"villagers\":[", from);
  if (from == std::string::npos || villagers == std::string::npos) return std::string();
  return json.substr(from, json.find(']', villagers) + 1 - from);
}

TEST_F(DamagedData, MissingStageFileGivesStageOne) {
  const char script[] = "at 50 state stage.json\nend 50\n";
  ExpectCleanEnd(Play(script, 1, kGame));
  const std::string stageOne = StageOf(Read("stage.json"));
  ASSERT_NE(stageOne.find("\"stageNo\":1,"), std::string::npos) << stageOne;

  const fs::path game = CopyOfGame();
  fs::remove(game / "data" / "data04.txt");
  ExpectCleanEnd(Play(script, 4, game));
  EXPECT_EQ(StageOf(Read("stage.json")), stageOne);
  // With the file there, stage 4 is another stage.
  ExpectCleanEnd(Play(script, 4, kGame));
  EXPECT_NE(StageOf(Read("stage.json")), stageOne);
}

class CutShortPicture : public gfxtest::GfxTest {};

TEST_F(CutShortPicture, SurfacesKeepWhatTheyHeld) {
  const std::string whole = TempPath("whole.bmp");
  gfxtest::WriteBmp(whole, 16, 8, std::vector<uint16_t>(16 * 8, 0x1234));
  const uintmax_t size = fs::file_size(whole);
  const SurfaceId id = Make(16, 8);
  Surface scene(16, 8);
  for (uintmax_t length : {uintmax_t{0}, uintmax_t{20}, uintmax_t{54}, size / 2, size - 1}) {
    const std::string cut = TempPath("cut" + std::to_string(length) + ".bmp");
    fs::copy_file(whole, cut);
    fs::resize_file(cut, length);
    FillSlot(id, 0x0F0F);
    scene.Fill(0x7777);
    EXPECT_FALSE(draw->ReadBitmap(id, cut.c_str())) << length;
    LoadBitmapSurface(scene, cut.c_str());
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 16; ++x) {
        ASSERT_EQ(At(id, x, y), 0x0F0F) << length << " bytes, " << x << ", " << y;
        ASSERT_EQ(scene.Pixels()[y * 16 + x], 0x7777) << length << " bytes, " << x << ", " << y;
      }
    }
  }
  // The whole file does load, so the cuts above are what kept the pictures out.
  EXPECT_TRUE(draw->ReadBitmap(id, whole.c_str()));
  EXPECT_EQ(At(id, 3, 3), 0x1234);
}

}  // namespace
