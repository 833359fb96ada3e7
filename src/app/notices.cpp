#include "app/notices.h"

#include "settings/key_tables.h"

namespace k8 {

ShellTexts englishShellTexts() {
  ShellTexts t;
  t.reportRate = {L"Switch report rate into 1000HZ", L"Switch report rate into 500HZ",
                  L"Switch report rate into 250HZ", L"Switch report rate into 125HZ"};
  t.dpiStage = {L"Switch DPI into the first stage ", L"Switch DPI into the second stage ",
                L"Switch DPI into the third stage ", L"Switch DPI into the fourth stage "};
  t.keyMatrix = {L"Switch to key matrix 1", L"Switch to key matrix 2", L"Switch to key matrix 3",
                 L"Switch to key matrix 4"};
  t.macroKey = L"Switch to macro key";
  t.mouseMissing = L"The system did not detect the gaming mouse!";
  t.exit = L"Exit";
  return t;
}

namespace {

Notice info(std::wstring text) { return Notice{kInfoTitle, std::move(text), kInfoTimeoutMs}; }

}  // namespace

std::optional<Notice> noticeFor(NoticeKind kind, std::uint8_t value, const ShellTexts& texts,
                                const MouseSettings& working, std::uint8_t sensorType) {
  switch (kind) {
    case NoticeKind::ReportRateSwitch:
      switch (value) {
        case 1: return info(texts.reportRate[0]);
        case 2: return info(texts.reportRate[1]);
        case 4: return info(texts.reportRate[2]);
        case 8: return info(texts.reportRate[3]);
        default: return std::nullopt;
      }
    case NoticeKind::DpiStageSwitch: {
      if (value < 1 || value > 4) return std::nullopt;
      const int level = working.dpiLevel[value - 1];
      return info(texts.dpiStage[value - 1] + std::wstring(dpiText(sensorType, level)));
    }
    case NoticeKind::KeyMatrixSwitch:
      // Matrices 3 and 4 have their texts too; they are announced like 1 and 2.
      if (value < 1 || value > 4) return std::nullopt;
      return info(texts.keyMatrix[value - 1]);
    case NoticeKind::MacroKeySwitch:
      if (value == 0) return std::nullopt;
      return info(texts.macroKey + std::to_wstring(value));
    case NoticeKind::MouseMissing:
      return Notice{kWarningTitle, texts.mouseMissing, kWarningTimeoutMs};
  }
  return std::nullopt;
}

std::optional<Notice> noticeFor(unsigned kind, std::uint8_t value, const ShellTexts& texts,
                                const MouseSettings& working, std::uint8_t sensorType) {
  switch (kind) {
    case 5:
    case 7:
    case 8:
    case 9:
    case 15: return noticeFor(static_cast<NoticeKind>(kind), value, texts, working, sensorType);
    default: return std::nullopt;
  }
}

TrayAction trayAction(unsigned mouseMessage, bool mousePresent) {
  switch (mouseMessage) {
    case kMsgLButtonUp:
    case kMsgLButtonDblClk: return mousePresent ? TrayAction::OpenWindow : TrayAction::WarnMissing;
    case kMsgRButtonUp: return TrayAction::ShowMenu;
    default: return TrayAction::None;
  }
}

}  // namespace k8
