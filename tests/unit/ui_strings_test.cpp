// The built-in texts: complete in every language, exact where the spellings are odd, and the
// language, section and fonts chosen from the "Lan" code.
#include "i18n/ui_strings.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "i18n/dialog_texts.h"
#include "i18n/language.h"
#include "i18n/ui_fonts.h"
#include "settings/key_codes.h"
#include "settings/key_tables.h"

using namespace k8;

namespace {

constexpr Language kLanguages[] = {Language::English, Language::SimplifiedChinese,
                                   Language::TraditionalChinese, Language::Turkish};

TEST(UiStrings, EveryLanguageHasEveryTextAndEveryMemberIsFilled) {
  const auto table = uiTextTable();
  ASSERT_EQ(table.size(), static_cast<std::size_t>(kUiTextCount));
  for (std::size_t i = 0; i < table.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      EXPECT_NE(table[i].member, table[j].member) << "rows " << j << " and " << i;
    }
  }
  for (Language language : kLanguages) {
    const UiStrings ui = uiStringsFor(language);
    for (const UiTextRow& row : table) {
      ASSERT_FALSE(row.text[0].empty());
      EXPECT_FALSE(row.text[languageIndex(language)].empty())
          << "language " << languageIndex(language) << " lacks a text for English row";
      EXPECT_EQ(ui.*row.member, row.text[languageIndex(language)]);
    }
  }
}

TEST(UiStrings, OddSpellingsAndBlanksAreKeptExactly) {
  const UiStrings en = uiStringsFor(Language::English);
  const UiStrings chs = uiStringsFor(Language::SimplifiedChinese);
  const UiStrings cht = uiStringsFor(Language::TraditionalChinese);
  const UiStrings tuk = uiStringsFor(Language::Turkish);

  EXPECT_EQ(en.notRecording, L"It doesn\u2019t start recording, unnecessary to press Stop key!");
  EXPECT_EQ(tuk.reportRate1000Notice, L"Yenilenme hızını 1000HZ yap");
  EXPECT_EQ(tuk.reportRate500Notice, L"Yenilenme hızını500HZ yap");
  EXPECT_EQ(tuk.reportRate250Notice, L"Yenilenme hızını250HZ yap");
  EXPECT_EQ(tuk.reportRate125Notice, L"Yenilenme hızını125HZ yap");

  // The DPI value follows the stage text directly: the blank belongs to the text.
  for (std::wstring UiStrings::*stage :
       {&UiStrings::dpiStage1Notice, &UiStrings::dpiStage2Notice, &UiStrings::dpiStage3Notice,
        &UiStrings::dpiStage4Notice}) {
    EXPECT_EQ((en.*stage).back(), L' ');
    EXPECT_NE((chs.*stage).back(), L' ');
    EXPECT_NE((cht.*stage).back(), L' ');
  }
  EXPECT_EQ(en.dpiStage1Notice, L"Switch DPI into the first stage ");
  EXPECT_EQ(tuk.dpiStage1Notice, L"DPI ayarını 1. Seviyeye getir ");
  EXPECT_EQ(tuk.dpiStage2Notice, L"DPI ayarını 2. Seviyeye getir");
  EXPECT_EQ(tuk.dpiStage4Notice, L"DPI ayarını 4. Seviyeye getir ");

  // The two "Default" buttons are one English text but two Chinese ones.
  EXPECT_EQ(en.keyDefaults, en.systemDefaults);
  EXPECT_EQ(chs.keyDefaults, L"按键恢复");
  EXPECT_EQ(chs.systemDefaults, L"恢复默认");
  EXPECT_EQ(cht.keyDefaults, L"按鍵恢復");
  EXPECT_EQ(cht.systemDefaults, L"恢復默認");

  EXPECT_EQ(cht.comboKey, L"複合鍵");
  EXPECT_EQ(tuk.cancel, L"İptal");
  EXPECT_EQ(tuk.mouseMissing, L"Fare algılanamadı, lütfen önce farenizi takın!");
  EXPECT_EQ(chs.pressCtrlBreakToStop, L"按Ctrl+Break可以停止录制");
}

TEST(UiStrings, FunctionTextsFollowTheFunctionListInEveryLanguage) {
  const UiStrings en = uiStringsFor(Language::English);
  for (int f = 0; f < kFunctionCount; ++f) EXPECT_EQ(functionText(en, f), functionName(f)) << f;
  EXPECT_EQ(functionText(en, -1), L"");
  EXPECT_EQ(functionText(en, kFunctionCount), L"");
  const UiStrings cht = uiStringsFor(Language::TraditionalChinese);
  EXPECT_EQ(functionText(cht, kMacroKey), L"巨集");
  EXPECT_EQ(functionText(cht, kShift), L"Shift");
  EXPECT_EQ(functionText(uiStringsFor(Language::Turkish), kShift), L"Değiştir");
}

TEST(Language, CodeIsComparedExactlyAndNamesItsSection) {
  EXPECT_EQ(languageFromCode(L"CHS"), Language::SimplifiedChinese);
  EXPECT_EQ(languageFromCode(L"CHT"), Language::TraditionalChinese);
  EXPECT_EQ(languageFromCode(L"TUK"), Language::Turkish);
  for (const wchar_t* other : {L"chs", L"Cht", L"tuk", L"", L" CHS", L"CHS ", L"EN", L"CHSX"}) {
    EXPECT_EQ(languageFromCode(other), Language::English) << other;
  }
  EXPECT_EQ(languageSection(Language::English), L"Setting-EN");
  EXPECT_EQ(languageSection(Language::SimplifiedChinese), L"Setting-CHS");
  EXPECT_EQ(languageSection(Language::TraditionalChinese), L"Setting-CHT");
  EXPECT_EQ(languageSection(Language::Turkish), L"Setting-TUK");
}

TEST(DialogTexts, EveryLanguageHasEveryTextAndTheListsHaveTheirLength) {
  for (Language language : kLanguages) {
    const UiStrings ui = uiStringsFor(language);
    const OkCancelTexts buttons = okCancelTexts(language);
    EXPECT_EQ(buttons.ok, ui.ok);
    EXPECT_EQ(buttons.cancel, ui.cancel);

    const FireKeyTexts fire = fireKeyTexts(language);
    const DelayTimeTexts delay = delayTimeTexts(language);
    const MacroDialogTexts macro = macroDialogTexts(language);
    std::vector<std::wstring_view> all = {
        singleKeyPrompt(language), fire.speedLabel, fire.timesLabel, fire.speedRange,
        fire.timesRange,           delay.prompt,    delay.range,     macro.prompt,
        skinsColorPrompt(language)};
    all.insert(all.end(), macro.repeatMode.begin(), macro.repeatMode.end());
    for (int i = 0; i < mediaItemCount(); ++i) all.push_back(mediaItemText(language, i));
    for (int i = 0; i < windowsItemCount(); ++i) all.push_back(windowsItemText(language, i));
    for (std::wstring_view text : all) {
      EXPECT_FALSE(text.empty()) << "language " << languageIndex(language);
      EXPECT_EQ(text.data()[text.size()], L'\0');  // handed to the system as it is
    }
    EXPECT_EQ(mediaItemText(language, -1), L"");
    EXPECT_EQ(mediaItemText(language, mediaItemCount()), L"");
    EXPECT_EQ(windowsItemText(language, windowsItemCount()), L"");
  }
  EXPECT_EQ(mediaItemCount(), 7);
  EXPECT_EQ(windowsItemCount(), 11);
  EXPECT_EQ(mediaItemText(Language::English, 6), L"Vol-");
  EXPECT_EQ(mediaItemText(Language::Turkish, 5), L"Ses artır");
  EXPECT_EQ(windowsItemText(Language::English, 10), L"Browser-My Favorites");
  EXPECT_EQ(windowsItemText(Language::TraditionalChinese, 10), L"瀏覽器-我的最愛");
  EXPECT_EQ(okCancelTexts(Language::Turkish).ok, L"Tamam");
  EXPECT_EQ(fireKeyTexts(Language::English).timesRange,
            L"Times (value range 0-255,0 indicates fire key to end when the key released)");
  EXPECT_EQ(delayTimeTexts(Language::SimplifiedChinese).range, L"(数值范围 20-10000)");
  EXPECT_EQ(macroDialogTexts(Language::Turkish).repeatMode[0],
            L"Belirtilen sayıda tekrar eder,ya da durdurmak için herhangi bir tuşa basın");
}

TEST(UiFonts, EveryFaceFitsAFontRecordAndEndsInANul) {
  // The face goes to the system as a C string in a record of 32 characters.
  for (const Language language : {Language::English, Language::SimplifiedChinese,
                                  Language::TraditionalChinese, Language::Turkish}) {
    for (const auto& [major, minor] : {std::pair{6u, 2u}, std::pair{10u, 0u}}) {
      const UiFonts fonts = uiFontsFor(language, major, minor);
      for (const UiFont& font : {fonts.normal, fonts.bold}) {
        EXPECT_LT(font.face.size(), 32u);
        EXPECT_EQ(font.face.data()[font.face.size()], L'\0');
        EXPECT_GT(font.height, 0);
      }
    }
  }
}

}  // namespace
