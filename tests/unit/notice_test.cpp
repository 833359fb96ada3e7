// Balloon notices: which kinds and values give a notice, its text in each language, and the
// DPI value that follows the stage text.
#include "i18n/notice.h"

#include <gtest/gtest.h>

using namespace k8;

namespace {

MouseSettings withDpiLevels(std::array<std::uint8_t, kDpiStages> levels) {
  MouseSettings s{};
  s.dpiLevel = levels;
  return s;
}

std::wstring textOf(NoticeKind kind, std::int64_t value, Language language = Language::English,
                    int sensorType = 0, const MouseSettings& s = MouseSettings{}) {
  const auto notice = noticeText(kind, value, language, sensorType, s);
  return notice ? notice->text : L"<none>";
}

TEST(NoticeText, ReportRateOnlyForTheFourRateValues) {
  const auto n = noticeText(NoticeKind::ReportRateSwitch, 1, Language::English, 0, MouseSettings{});
  ASSERT_TRUE(n);
  EXPECT_EQ(n->title, L"Info");
  EXPECT_EQ(n->timeoutMs, 5000u);
  EXPECT_EQ(n->text, L"Switch report rate into 1000HZ");
  EXPECT_EQ(textOf(NoticeKind::ReportRateSwitch, 2), L"Switch report rate into 500HZ");
  EXPECT_EQ(textOf(NoticeKind::ReportRateSwitch, 4), L"Switch report rate into 250HZ");
  EXPECT_EQ(textOf(NoticeKind::ReportRateSwitch, 8), L"Switch report rate into 125HZ");
  EXPECT_EQ(textOf(NoticeKind::ReportRateSwitch, 8, Language::Turkish),
            L"Yenilenme hızını125HZ yap");
  for (int value : {0, 3, 5, 16, 255, -1})
    EXPECT_EQ(textOf(NoticeKind::ReportRateSwitch, value), L"<none>");
}

TEST(NoticeText, DpiStageIsFollowedByTheValueOfThatStageOnTheSensorsScale) {
  const MouseSettings s = withDpiLevels({0, 3, 7, 11});
  EXPECT_EQ(textOf(NoticeKind::DpiStageSwitch, 2, Language::English, 0, s),
            L"Switch DPI into the second stage 1000");
  EXPECT_EQ(textOf(NoticeKind::DpiStageSwitch, 1, Language::English, 0, s),
            L"Switch DPI into the first stage 250");
  EXPECT_EQ(textOf(NoticeKind::DpiStageSwitch, 4, Language::English, 0, s),
            L"Switch DPI into the fourth stage 4000");
  EXPECT_EQ(textOf(NoticeKind::DpiStageSwitch, 2, Language::SimplifiedChinese, 0, s),
            L"DPI切换到第二段1000");
  EXPECT_EQ(textOf(NoticeKind::DpiStageSwitch, 2, Language::Turkish, 0, s),
            L"DPI ayarını 2. Seviyeye getir1000");
  EXPECT_EQ(textOf(NoticeKind::DpiStageSwitch, 2, Language::English, 1, s),
            L"Switch DPI into the second stage 1200");
  // No scale for the sensor type, or a level beyond the scale: the stage text alone.
  EXPECT_EQ(textOf(NoticeKind::DpiStageSwitch, 2, Language::English, 4, s),
            L"Switch DPI into the second stage ");
  EXPECT_EQ(textOf(NoticeKind::DpiStageSwitch, 3, Language::English, -1, s),
            L"Switch DPI into the third stage ");
  EXPECT_EQ(
      textOf(NoticeKind::DpiStageSwitch, 1, Language::English, 0, withDpiLevels({255, 0, 0, 0})),
      L"Switch DPI into the first stage ");
  for (int value : {0, 5, 255, -1}) EXPECT_EQ(textOf(NoticeKind::DpiStageSwitch, value), L"<none>");
}

TEST(NoticeText, KeyMatricesOneToFourAndMacroKeyWithItsNumber) {
  EXPECT_EQ(textOf(NoticeKind::KeyMatrixSwitch, 1), L"Switch to key matrix 1");
  EXPECT_EQ(textOf(NoticeKind::KeyMatrixSwitch, 2), L"Switch to key matrix 2");
  EXPECT_EQ(textOf(NoticeKind::KeyMatrixSwitch, 3), L"Switch to key matrix 3");
  EXPECT_EQ(textOf(NoticeKind::KeyMatrixSwitch, 4, Language::TraditionalChinese),
            L"切換到按鍵群組4");
  const auto n = noticeText(NoticeKind::KeyMatrixSwitch, 4, Language::English, 0, MouseSettings{});
  ASSERT_TRUE(n);
  EXPECT_EQ(n->title, L"Info");
  EXPECT_EQ(n->timeoutMs, 5000u);
  for (int value : {0, 5, -1}) EXPECT_EQ(textOf(NoticeKind::KeyMatrixSwitch, value), L"<none>");

  EXPECT_EQ(textOf(NoticeKind::MacroKeySwitch, 3), L"Switch to macro key3");
  EXPECT_EQ(textOf(NoticeKind::MacroKeySwitch, 12, Language::SimplifiedChinese), L"切换到宏12");
  EXPECT_EQ(textOf(NoticeKind::MacroKeySwitch, 255, Language::Turkish),
            L"Makro değiştirme tuşu255");
  EXPECT_EQ(textOf(NoticeKind::MacroKeySwitch, 0), L"<none>");
}

TEST(NoticeText, MouseMissingIsAShortWarningAndOtherKindsShowNothing) {
  for (std::int64_t value : {0, 1, 99}) {
    const auto n =
        noticeText(NoticeKind::MouseMissing, value, Language::English, 9, MouseSettings{});
    ASSERT_TRUE(n);
    EXPECT_EQ(n->title, L"Warning");
    EXPECT_EQ(n->timeoutMs, 100u);
    EXPECT_EQ(n->text, L"The system did not detect the gaming mouse!");
  }
  EXPECT_EQ(textOf(NoticeKind::MouseMissing, 0, Language::SimplifiedChinese),
            L"系统没有检测到游戏鼠标！");
  for (int kind : {0, 1, 4, 6, 10, 14, 17, 255}) {
    EXPECT_EQ(textOf(static_cast<NoticeKind>(kind), 1), L"<none>") << kind;
  }
}

TEST(NoticeText, SettingsNotDeliveredWarnsInEveryLanguage) {
  const auto n = noticeText(NoticeKind::SettingsNotDelivered, 0, Language::English, 0, {});
  ASSERT_TRUE(n);
  EXPECT_EQ(n->title, L"Warning");
  EXPECT_EQ(n->timeoutMs, 5000u);
  EXPECT_NE(n->text.find(L"Not all settings reached the mouse"), std::wstring::npos);
  EXPECT_NE(textOf(NoticeKind::SettingsNotDelivered, 0, Language::Turkish).find(L"fareye ulaşmadı"),
            std::wstring::npos);
}

}  // namespace
