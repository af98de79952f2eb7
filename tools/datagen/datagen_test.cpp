#include "tools/datagen/datagen.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

TEST(DataGen, StageFileGetsCrLfLineEndsAndKeepsListLayout) {
  DataGenResult r = ConvertDataText("@DA,1\n@DB\n0,2,3,104,-1,1\n1,5,5,4,7,1,@\n@E\n");
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.bytes, "@DA,1\r\n@DB\r\n0,2,3,104,-1,1\r\n1,5,5,4,7,1,@\r\n@E\r\n");
}

TEST(DataGen, JapaneseMessageBecomesShiftJis) {
  DataGenResult r = ConvertDataText("@M0,おねーさん,@\n");
  ASSERT_TRUE(r.ok) << r.error;
  // お 82A8, ね 82CB, ー 815B, さ 82B3, ん 82F1
  EXPECT_EQ(r.bytes, "@M0,\x82\xa8\x82\xcb\x81\x5b\x82\xb3\x82\xf1,@\r\n");
}

TEST(DataGen, RejectsCharactersShiftJisLacks) {
  DataGenResult r = ConvertDataText("@E\n@M0,한국,@\n");
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find("line 2"), std::string::npos);
}

TEST(DataGen, RejectsCharactersWhoseSecondByteWouldStartARecord) {
  // The full-width space is 8140 in code page 932.
  EXPECT_FALSE(ConvertDataText("map\u3000sketch\n").ok);
}

TEST(DataGen, MessageLinesMustFitTheWindow) {
  EXPECT_TRUE(ConvertDataText("@M1,あいうえおかきくけこさしすせそ,@\n").ok);
  EXPECT_FALSE(ConvertDataText("@M1,あいうえおかきくけこさしすせそた,@\n").ok);
  EXPECT_TRUE(ConvertDataText("@M1,あ,い,う,え,@\n").ok);
  EXPECT_FALSE(ConvertDataText("@M1,あ,い,う,え,お,@\n").ok);
  EXPECT_FALSE(ConvertDataText("@M1,あ,い\n").ok);
}

TEST(DataGen, RejectsCarriageReturnsInTheSource) {
  EXPECT_FALSE(ConvertDataText("@E\r\n").ok);
}

TEST(DataGen, CountsTwoByteCharactersAsFullWidth) {
  EXPECT_EQ(MessageLineWidth("ab"), 2);
  EXPECT_EQ(MessageLineWidth("\x82\xa8\x82\xcb"), 4);
}

namespace {

std::string ReadSource(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The slots of the "@M" records a message source holds, each at the start of a line.
std::set<int> MessageSlots(const std::string& source) {
  std::set<int> slots;
  std::istringstream lines(source);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("@M", 0) == 0 && line.size() > 2 &&
        std::isdigit(static_cast<unsigned char>(line[2]))) {
      slots.insert(std::stoi(line.substr(2)));
    }
  }
  return slots;
}

}  // namespace

// content/mes.txt is the game's own, Japanese; every content/LANG/mes.txt is a language's. Each
// message of the one has its counterpart in every other, and all of them fit the window.
TEST(DataGen, EveryMessageHasItsCounterpartInEveryLanguageAndAllFit) {
  namespace fs = std::filesystem;
  const fs::path content = fs::path(KOBAKO_SOURCE_DIR) / "content";
  const std::string japanese = ReadSource(content / "mes.txt");
  const DataGenResult own = ConvertDataText(japanese);
  ASSERT_TRUE(own.ok) << own.error;
  const std::set<int> slots = MessageSlots(japanese);
  EXPECT_EQ(slots.size(), 12u);
  int languages = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(content)) {
    const fs::path messages = entry.path() / "mes.txt";
    if (!entry.is_directory() || !fs::exists(messages)) continue;
    SCOPED_TRACE(messages.string());
    languages++;
    const std::string translated = ReadSource(messages);
    const DataGenResult result = ConvertDataText(translated);
    EXPECT_TRUE(result.ok) << result.error;
    EXPECT_EQ(MessageSlots(translated), slots);
  }
  EXPECT_GE(languages, 1) << "no language beside Japanese in " << content;
}
