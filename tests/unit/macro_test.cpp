// The macro store over record.ini: creating, saving, deleting, and the refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "macros/macro_file.h"
#include "macros/macro_store.h"

namespace k8 {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::wstring>;

struct Shown {
  std::wstring text, caption;
};

class MacroStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("k8-macros-" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    for (auto& image : settings_.macroImages) image.fill(0xAA);
  }
  void TearDown() override { fs::remove_all(dir_); }

  MacroStore store() {
    return MacroStore(file_, MacroTexts::forLanguage(Language::English, L"App"),
                      [this](const std::wstring& t, const std::wstring& c) {
                        shown_.push_back({t, c});
                      });
  }
  // Creates, fills and saves a macro through the store, as the page does.
  void save(const std::wstring& name, const Lines& lines) {
    auto s = store();
    if (s.CreateMacro(lists_, name)) {
      lists_.events = lines;
    } else {
      lists_.selectedName = static_cast<int>(
          std::find(lists_.names.begin(), lists_.names.end(), name) - lists_.names.begin());
      lists_.events = lines;
    }
    ASSERT_TRUE(s.SaveMacro(lists_, settings_));
  }

  fs::path dir_;
  PortableProfile file_{fs::temp_directory_path() / "unused"};
  MacroLists lists_;
  MouseSettings settings_{};
  std::vector<Shown> shown_;
};

class MacroFileTest : public MacroStoreTest {
 protected:
  void SetUp() override {
    MacroStoreTest::SetUp();
    file_ = PortableProfile(dir_ / "record.ini");
  }
};

TEST_F(MacroFileTest, CreateRefusesWithTheRightTextAndCaption) {
  auto s = store();
  EXPECT_FALSE(s.CreateMacro(lists_, L"  \t"));
  ASSERT_TRUE(s.CreateMacro(lists_, L" Jump "));
  EXPECT_EQ(lists_.names.back(), L"Jump");  // kept as the file will keep it
  EXPECT_FALSE(s.CreateMacro(lists_, L"jUMP"));
  EXPECT_FALSE(s.CreateMacro(lists_, std::wstring(32, L'x')));
  for (int i = 1; i < 12; ++i) {
    ASSERT_TRUE(s.CreateMacro(lists_, std::wstring(20, static_cast<wchar_t>(L'a' + i))));
  }
  EXPECT_FALSE(s.CreateMacro(lists_, L"thirteenth"));
  EXPECT_EQ(lists_.names.size(), 12u);
  EXPECT_EQ(lists_.selectedName, 11);
  EXPECT_FALSE(fs::exists(dir_ / "record.ini"));  // nothing written before a save

  ASSERT_EQ(shown_.size(), 4u);
  EXPECT_EQ(shown_[0].text, L"Macro name is blank");
  EXPECT_EQ(shown_[0].caption, L"App");
  EXPECT_EQ(shown_[1].text, L"Macro name already exists");
  EXPECT_EQ(shown_[2].text, L"Macro name up to 31 characters.");
  EXPECT_EQ(shown_[2].caption, L"Warning");
  EXPECT_EQ(shown_[3].text, L"Macro numbers up to 12.");
  EXPECT_EQ(shown_[3].caption, L"Warning");
}

TEST_F(MacroFileTest, NamesMustFitTheListOf255Characters) {
  auto s = store();
  for (int i = 0; i < 7; ++i) {
    ASSERT_TRUE(s.CreateMacro(lists_, std::wstring(31, static_cast<wchar_t>(L'a' + i))));
  }
  // 7 * 32 = 224 so far: a 30-character name fits exactly (255), a 31-character one does not.
  EXPECT_FALSE(s.CreateMacro(lists_, std::wstring(31, L'z')));
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_EQ(shown_[0].text, L"Macro names up to 255 characters in all.");
  EXPECT_TRUE(s.CreateMacro(lists_, std::wstring(30, L'z')));
  for (const auto& name : lists_.names) save(name, {});
  EXPECT_EQ(s.ListMacros(), lists_.names);
}

TEST_F(MacroFileTest, EmptyMacroSavesItemCountZeroAndZeroesItsImage) {
  save(L"quiet", {});
  EXPECT_EQ(file_.readString(L"quiet", L"ItemCount"), L"0");
  EXPECT_EQ(file_.readString(L"quiet", L"Item0"), L"");
  EXPECT_EQ(settings_.macroImages[0], MacroImage{});
  EXPECT_EQ(settings_.macroImages[1][0], 0xAA);
}

TEST_F(MacroFileTest, ResavingKeepsTheSectionAndItsNumber) {
  save(L"one", {L"A   Dn", L"50 ms", L"A   Up"});
  save(L"two", {L"B   Dn"});
  save(L"three", {L"C   Dn"});
  // Re-save the first with fewer lines: it stays macro 0 and its old items go.
  save(L"one", {L"D   Dn"});
  auto s = store();
  EXPECT_EQ(s.ListMacros(), (Lines{L"one", L"two", L"three"}));
  EXPECT_EQ(s.LoadMacro(L"ONE"), (Lines{L"D   Dn"}));
  EXPECT_EQ(file_.readString(L"one", L"Item2"), L"");
  EXPECT_EQ(settings_.macroImages[0][3], 0x07);  // D
  EXPECT_EQ(settings_.macroImages[1][3], 0x05);  // B
  EXPECT_EQ(settings_.macroImages[2][3], 0x06);  // C
}

TEST_F(MacroFileTest, DeletingTheFirstOfThreeRenumbersTheFileNotTheImages) {
  save(L"one", {L"A   Dn"});
  save(L"two", {L"B   Dn"});
  save(L"three", {L"C   Dn"});
  lists_.selectedName = 0;
  lists_.nameField = L"one";
  auto s = store();
  ASSERT_TRUE(s.DeleteMacro(lists_));
  EXPECT_EQ(lists_.names, (Lines{L"two", L"three"}));
  EXPECT_TRUE(lists_.events.empty());
  EXPECT_TRUE(lists_.nameField.empty());
  EXPECT_EQ(s.ListMacros(), (Lines{L"two", L"three"}));
  EXPECT_EQ(settings_.macroImages[0][3], 0x04);  // until the next save
  lists_.selectedName = 1;
  lists_.events = {L"E   Dn"};
  ASSERT_TRUE(s.SaveMacro(lists_, settings_));
  EXPECT_EQ(settings_.macroImages[0][3], 0x05);
  EXPECT_EQ(settings_.macroImages[1][3], 0x08);
  EXPECT_EQ(settings_.macroImages[2][3], 0x06);  // no section any more: left alone

  lists_.selectedName = -1;
  EXPECT_FALSE(s.DeleteMacro(lists_));
  EXPECT_FALSE(s.SaveMacro(lists_, settings_));
}

TEST_F(MacroFileTest, TooManyStepsAreRefusedAndNothingIsWritten) {
  Lines lines;
  for (int i = 0; i < 31; ++i)
    lines.insert(lines.end(), {L"A   Dn", L"50 ms", L"A   Up", L"50 ms"});
  lines.insert(lines.end(), {L"B   Dn", L"2000 ms"});  // 62 + 2 pairs
  auto s = store();
  ASSERT_TRUE(s.CreateMacro(lists_, L"long"));
  lists_.events = lines;
  EXPECT_FALSE(s.SaveMacro(lists_, settings_));
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_NE(shown_[0].text.find(L"63"), std::wstring::npos);
  EXPECT_FALSE(fs::exists(dir_ / "record.ini"));
  EXPECT_EQ(settings_.macroImages[0][2], 0xAA);
  lists_.events.back() = L"1270 ms";  // exactly 63 pairs
  EXPECT_TRUE(s.SaveMacro(lists_, settings_));
  EXPECT_EQ(settings_.macroImages[0][126], 0x7F);
}

TEST_F(MacroFileTest, ChineseAndTurkishNamesAndLinesSurvive) {
  save(L"宏一", {L"Ş   Dn", L"50 ms", L"Ş   Up"});
  save(L"Çıkış", {L"中   Dn"});
  auto s = store();
  EXPECT_EQ(s.ListMacros(), (Lines{L"宏一", L"Çıkış"}));
  EXPECT_EQ(s.LoadMacro(L"宏一"), (Lines{L"Ş   Dn", L"50 ms", L"Ş   Up"}));
}

TEST(MacroRefusalTexts, EveryLanguageHasItsOwnText) {
  for (auto refusal :
       {MacroRefusal::NameTooLong, MacroRefusal::NameListFull, MacroRefusal::TooManySteps}) {
    std::vector<std::wstring> texts;
    for (auto language : {Language::English, Language::SimplifiedChinese,
                          Language::TraditionalChinese, Language::Turkish}) {
      texts.push_back(macroRefusalText(refusal, language));
      EXPECT_NE(texts.back().find(refusal == MacroRefusal::NameTooLong    ? L"31"
                                  : refusal == MacroRefusal::NameListFull ? L"255"
                                                                          : L"63"),
                std::wstring::npos);
    }
    for (std::size_t i = 1; i < texts.size(); ++i) EXPECT_NE(texts[i], texts[0]);
  }
}

}  // namespace
}  // namespace k8
