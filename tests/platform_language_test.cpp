// The language the game plays in: chosen from the player's environment as gettext orders it,
// Japanese unless a translation is asked for, and the texts and files of the language chosen.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/file_lookup.h"
#include "platform/language.h"

namespace {

namespace fs = std::filesystem;

const std::string kLocale = KOBAKO_BINARY_DIR "/game/locale";

// kobako speaks English and German here; Japanese needs no catalogue.
std::string Choose(const LanguageWishes& wishes) {
  return ChooseLanguage(wishes,
                        [](const std::string& name) { return name == "en" || name == "de"; });
}

LanguageWishes Wishes(const char* language, const char* lang, const char* lcAll = nullptr,
                      const char* lcMessages = nullptr, const char* kobako = nullptr) {
  LanguageWishes wishes;
  wishes.language = language;
  wishes.lang = lang;
  wishes.lcAll = lcAll;
  wishes.lcMessages = lcMessages;
  wishes.kobakoLanguage = kobako;
  return wishes;
}

TEST(LanguageChoice, JapaneseWhenNothingUsableIsAsked) {
  EXPECT_EQ(Choose(LanguageWishes()), "ja");
  EXPECT_EQ(Choose(Wishes("", "C")), "ja");
  EXPECT_EQ(Choose(Wishes(nullptr, "POSIX")), "ja");
  EXPECT_EQ(Choose(Wishes(nullptr, "C.UTF-8")), "ja");
  EXPECT_EQ(Choose(Wishes(nullptr, "fr_FR.UTF-8")), "ja") << "no French translation";
  EXPECT_EQ(Choose(Wishes(nullptr, "ja_JP.UTF-8")), "ja");
  EXPECT_EQ(Choose(Wishes("::", "")), "ja");
}

TEST(LanguageChoice, LocaleNamesAskForTheirLanguageWhateverTheCodesetAndTerritory) {
  EXPECT_EQ(Choose(Wishes(nullptr, "en_US.UTF-8")), "en");
  EXPECT_EQ(Choose(Wishes(nullptr, "en_GB.ISO-8859-1@euro")), "en");
  EXPECT_EQ(Choose(Wishes(nullptr, "de")), "de");
  EXPECT_EQ(Choose(Wishes(nullptr, "_US")), "ja") << "a territory alone is no language";
}

TEST(LanguageChoice, GettextOrderLanguageThenTheFirstLocaleVariableSet) {
  // LANGUAGE counts in the C locale too, where gettext itself passes it over.
  EXPECT_EQ(Choose(Wishes("en", "C")), "en");
  EXPECT_EQ(Choose(Wishes("fr:de:en", "en_US.UTF-8")), "de") << "the first usable entry";
  EXPECT_EQ(Choose(Wishes("fr", "en_US.UTF-8")), "en") << "no entry usable: the locale";
  EXPECT_EQ(Choose(Wishes("ja:en", "C")), "ja");
  // LC_ALL before LC_MESSAGES before LANG, and only the first one set counts.
  EXPECT_EQ(Choose(Wishes(nullptr, "en_US.UTF-8", "de_DE.UTF-8", "C")), "de");
  EXPECT_EQ(Choose(Wishes(nullptr, "en_US.UTF-8", "", "C")), "ja");
  EXPECT_EQ(Choose(Wishes(nullptr, "en_US.UTF-8", "fr_FR.UTF-8")), "ja");
}

TEST(LanguageChoice, KobakoLanguageComesBeforeEverythingElse) {
  EXPECT_EQ(Choose(Wishes("en", "en_US.UTF-8", nullptr, nullptr, "ja")), "ja");
  EXPECT_EQ(Choose(Wishes(nullptr, "C", "C", "C", "en")), "en");
  EXPECT_EQ(Choose(Wishes(nullptr, "de_DE.UTF-8", nullptr, nullptr, "fr")), "de")
      << "a language without translation is passed over";
}

class LanguageInUse : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = fs::current_path();
    root_ = fs::temp_directory_path() / ("kobako_language_" + std::to_string(getpid()));
    fs::create_directories(root_ / "data");
    fs::create_directories(root_ / "en" / "data");
    std::ofstream(root_ / "data" / "mes.txt") << "shared";
    std::ofstream(root_ / "data" / "data00.txt") << "stage";
    std::ofstream(root_ / "en" / "data" / "MES.TXT") << "english";
    fs::current_path(root_);
  }
  void TearDown() override {
    UseLanguage(GAME_LANGUAGE, "");
    fs::current_path(saved_);
    fs::remove_all(root_);
  }
  fs::path saved_, root_;
};

TEST_F(LanguageInUse, TextsComeFromTheCatalogueAndJapaneseStaysItself) {
  ASSERT_TRUE(HasCatalogue(kLocale, "en")) << "the build compiles po/en.po into " << kLocale;
  EXPECT_FALSE(HasCatalogue(kLocale, "../locale/en"));
  EXPECT_FALSE(HasCatalogue(kLocale, "xx"));
  const char* japanese = "はじめから？";
  EXPECT_STREQ(Translated(japanese), japanese);
  ASSERT_TRUE(UseLanguage("en", kLocale));
  EXPECT_EQ(CurrentLanguage(), "en");
  const std::string english = Translated(japanese);
  EXPECT_NE(english, japanese);
  for (char c : english) EXPECT_LT(static_cast<unsigned char>(c), 0x80) << english;
  EXPECT_STREQ(Translated("not in the catalogue"), "not in the catalogue");
  ASSERT_TRUE(UseLanguage(GAME_LANGUAGE, ""));
  EXPECT_STREQ(Translated(japanese), japanese);
  EXPECT_FALSE(UseLanguage("xx", kLocale)) << "no catalogue";
  EXPECT_EQ(CurrentLanguage(), GAME_LANGUAGE);
}

TEST_F(LanguageInUse, TheLanguageFolderStandsInForSharedFilesOfTheSameName) {
  EXPECT_EQ(FindFileNoCase("data/mes.txt"), "data/mes.txt");
  ASSERT_TRUE(UseLanguage("en", kLocale));
  EXPECT_EQ(FindFileNoCase("Data\\mes.txt"), "en/data/MES.TXT");
  EXPECT_EQ(FindFileNoCase("data/data00.txt"), "data/data00.txt") << "stages are shared";
  EXPECT_EQ(FindFileNoCase("data/none.txt"), "");
  ASSERT_TRUE(UseLanguage(GAME_LANGUAGE, ""));
  EXPECT_EQ(FindFileNoCase("data/mes.txt"), "data/mes.txt");
}

}  // namespace
