#include "i18n/notice.h"

#include "i18n/ui_strings.h"
#include "settings/key_tables.h"

namespace k8 {
namespace {

constexpr unsigned kInfoTimeoutMs = 5000;
constexpr unsigned kWarningTimeoutMs = 100;

NoticeText info(std::wstring text) { return {L"Info", std::move(text), kInfoTimeoutMs}; }

}  // namespace

std::optional<NoticeText> noticeText(NoticeKind kind, std::int64_t value, Language language,
                                     int sensorType, const MouseSettings& working) {
  const UiStrings ui = uiStringsFor(language);
  switch (kind) {
    case NoticeKind::ReportRateSwitch:
      if (value < 0 || value > 0xFF) return std::nullopt;
      switch (reportRateHz(static_cast<std::uint8_t>(value))) {
        case 1000: return info(ui.reportRate1000Notice);
        case 500: return info(ui.reportRate500Notice);
        case 250: return info(ui.reportRate250Notice);
        case 125: return info(ui.reportRate125Notice);
        default: return std::nullopt;
      }
    case NoticeKind::DpiStageSwitch: {
      if (value < 1 || value > kDpiStages) return std::nullopt;
      const std::wstring* stages[] = {&ui.dpiStage1Notice, &ui.dpiStage2Notice, &ui.dpiStage3Notice,
                                      &ui.dpiStage4Notice};
      const auto stage = static_cast<std::size_t>(value - 1);
      return info(*stages[stage] + std::wstring(dpiText(sensorType, working.dpiLevel[stage])));
    }
    case NoticeKind::KeyMatrixSwitch: {
      // Matrices 3 and 4 have their texts too, so they are shown like 1 and 2.
      if (value < 1 || value > 4) return std::nullopt;
      const std::wstring* matrices[] = {&ui.keyMatrix1Notice, &ui.keyMatrix2Notice,
                                        &ui.keyMatrix3Notice, &ui.keyMatrix4Notice};
      return info(*matrices[value - 1]);
    }
    case NoticeKind::MacroKeySwitch:
      if (value == 0) return std::nullopt;
      return info(ui.macroKeyNotice + std::to_wstring(value));
    case NoticeKind::MouseMissing:
      return NoticeText{L"Warning", ui.mouseMissing, kWarningTimeoutMs};
    case NoticeKind::SettingsNotDelivered:
      return NoticeText{L"Warning", ui.settingsNotDelivered, kInfoTimeoutMs};
    default: return std::nullopt;
  }
}

}  // namespace k8
