// The sub-dialogs' own rules: field checks, capture targets, repeat boxes and skin folders.
#include "dialogs/dialog_rules.h"

#include <gtest/gtest.h>

#include <fstream>

#include "i18n/str_ini.h"
#include "pages/layout_table.h"
#include "platform/profile.h"

using namespace k8;

TEST(FireKeyRules, StartsAtSpeed32OnceWithKeyA) {
  const FireKeyRules rules;
  EXPECT_EQ(rules.choice().speed, 32);
  EXPECT_EQ(rules.choice().times, 1);
  EXPECT_EQ(rules.choice().keyIndex, 0);
  EXPECT_EQ(rules.choice().keyName, L"");
}

TEST(FireKeyRules, SpeedOutsideFiveTo255BecomesFive) {
  FireKeyRules rules;
  for (const wchar_t* bad : {L"4", L"0", L"", L"256", L"300", L"99999999999999999999", L"-7"}) {
    rules.speedLeft(L"100");
    EXPECT_EQ(rules.speedLeft(bad), std::optional<std::wstring>(L"5")) << bad;
    EXPECT_EQ(rules.choice().speed, 5);
  }
  for (auto [text, value] : {std::pair{L"5", 5}, {L"255", 255}, {L"040", 40}}) {
    EXPECT_EQ(rules.speedLeft(text), std::nullopt);
    EXPECT_EQ(rules.choice().speed, value);
  }
}

TEST(FireKeyRules, TimesAbove255BecomeOneAndZeroIsKept) {
  FireKeyRules rules;
  EXPECT_EQ(rules.timesChanged(L"256"), std::optional<std::wstring>(L"1"));
  EXPECT_EQ(rules.choice().times, 1);
  EXPECT_EQ(rules.timesChanged(L"0"), std::nullopt);
  EXPECT_EQ(rules.choice().times, 0);
  EXPECT_EQ(rules.timesChanged(L""), std::nullopt);  // a cleared field reads as 0
  EXPECT_EQ(rules.choice().times, 0);
  EXPECT_EQ(rules.timesChanged(L"255"), std::nullopt);
  EXPECT_EQ(rules.choice().times, 255);
  EXPECT_EQ(rules.timesChanged(L"-1"), std::optional<std::wstring>(L"1"));
}

TEST(ComboKeyRules, AKeyLandsOnlyInTheFocusedField) {
  ComboKeyRules rules;
  EXPECT_EQ(rules.captured(L"A", ComboField::None), ComboField::None);
  EXPECT_EQ(rules.choice().key1, L"");
  rules.captured(L"2", ComboField::Key2);
  rules.captured(L"Shift", ComboField::Key1);
  rules.captured(L"Q", ComboField::Key1);
  rules.chooseModifier(L"Left Ctrl");
  EXPECT_EQ(rules.choice().modifier, L"Left Ctrl");
  EXPECT_EQ(rules.choice().key1, L"Q");
  EXPECT_EQ(rules.choice().key2, L"2");
  EXPECT_EQ(comboModifierItems(),
            (std::vector<std::wstring>{L"Left Ctrl", L"Left Shift", L"Left Alt", L"Left Win",
                                       L"Right Ctrl", L"Right Shift", L"Right Alt", L"Right Win"}));
}

TEST(RepeatModeBoxes, OnlyAnotherModesBoxSwitches) {
  RepeatModeBoxes boxes;
  EXPECT_EQ(boxes.mode(), 1);
  const auto box = [](int k) { return layout::at("macro-key", "mode # box", {k}); };
  const Rect label2 = layout::rect("macro-key", "mode 2 label");
  EXPECT_FALSE(boxes.click({box(1).left + 5, box(1).top + 7}));  // mode 1's box while mode 1
  EXPECT_FALSE(boxes.click({label2.left + 60, label2.top + 15}));
  auto change = boxes.click({box(2).left, box(2).top});
  ASSERT_TRUE(change);
  EXPECT_EQ(change->from, 1);
  EXPECT_EQ(change->to, 2);
  EXPECT_FALSE(boxes.click({box(3).right, box(3).top + 12})) << "right edge is outside";
  change = boxes.click({box(3).right - 1, box(3).bottom - 1});
  ASSERT_TRUE(change);
  EXPECT_EQ(change->from, 2);
  EXPECT_EQ(boxes.mode(), 3);
}

TEST(RepeatModeBoxes, LabelsAreCentredOnTheirText) {
  EXPECT_EQ(centredVertically({237, 70, 390, 102}, 16), (Rect{237, 78, 390, 94}));
  EXPECT_EQ(centredVertically({237, 70, 390, 102}, 48), (Rect{237, 62, 390, 110}));
}

class SkinFolders : public ::testing::Test {
 protected:
  void SetUp() override {
    root = std::filesystem::temp_directory_path() /
           ("k8-skins-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root / "Default");
    std::filesystem::create_directories(root / "Frost");
    std::ofstream(root / "notes.txt") << "not a skin";
  }
  void TearDown() override { std::filesystem::remove_all(root); }
  std::filesystem::path root;
};

TEST_F(SkinFolders, ListsFoldersOnly) {
  auto names = listSkinFolders(root);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::wstring>{L"Default", L"Frost"}));
  EXPECT_TRUE(listSkinFolders(root / "missing").empty());
}

TEST_F(SkinFolders, FindsAFolderIgnoringCaseButNeverAFile) {
  EXPECT_EQ(findSkinFolder(root, L"fROST"), root / "Frost");
  EXPECT_EQ(findSkinFolder(root, L"notes.txt"), std::nullopt);
  EXPECT_EQ(findSkinFolder(root, L"Fros"), std::nullopt);
}

TEST_F(SkinFolders, ColoursAreWrittenAsPlainNumbers) {
  PortableProfile strIni(root / "str.ini");
  strIni.writeString(kSkinsSection, L"RColor", L"0255");
  writeSkinKeys(strIni, L"Frost", Colour{255, 8, 0});
  EXPECT_EQ(strIni.readString(kSkinsSection, L"RColor"), L"255");
  EXPECT_EQ(strIni.readString(kSkinsSection, L"GColor"), L"8");
  EXPECT_EQ(strIni.readString(kSkinsSection, L"BColor"), L"0");
  EXPECT_EQ(strIni.readString(kSkinsSection, L"Path"), L"Frost");
}
