#pragma once
// What a balloon notice is about: the wParam of the main window's device-notice message. The
// reader thread sends the switch kinds (the byte the mouse reports), the shell the others.

#include <cstdint>

namespace k8 {

enum class NoticeKind : std::uint8_t {
  ReportRateSwitch = 5,
  DpiStageSwitch = 7,
  KeyMatrixSwitch = 8,
  MacroKeySwitch = 9,
  MouseMissing = 15,
  SettingsNotDelivered = 16,  // an Apply did not reach the mouse whole
};

}  // namespace k8
