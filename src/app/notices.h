#pragma once
// What the notification-area icon says: the balloon of each notice kind and value, and what a
// mouse action on the icon does.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "device/input_reader.h"
#include "settings/mouse_settings.h"

namespace k8 {

// The shell's texts in the user's language.
struct ShellTexts {
  std::array<std::wstring, 4> reportRate;  // 1000, 500, 250, 125 Hz
  std::array<std::wstring, 4> dpiStage;    // stages 1-4, each followed directly by the DPI value
  std::array<std::wstring, 4> keyMatrix;   // matrices 1-4
  std::wstring macroKey;
  std::wstring mouseMissing;
  std::wstring exit;
};

// The built-in English texts; other languages come from the language tables.
ShellTexts englishShellTexts();

inline constexpr wchar_t kInfoTitle[] = L"Info";
inline constexpr wchar_t kWarningTitle[] = L"Warning";
inline constexpr unsigned kInfoTimeoutMs = 5000;
inline constexpr unsigned kWarningTimeoutMs = 100;

struct Notice {
  std::wstring title;
  std::wstring text;
  unsigned timeoutMs = 0;
};

// The balloon for a notice, or nothing. The DPI value is the working copy's level of the stage
// on the scale of the sensor type; a level or type outside the scale gives no value text.
std::optional<Notice> noticeFor(NoticeKind kind, std::uint8_t value, const ShellTexts& texts,
                                const MouseSettings& working, std::uint8_t sensorType);
std::optional<Notice> noticeFor(unsigned kind, std::uint8_t value, const ShellTexts& texts,
                                const MouseSettings& working, std::uint8_t sensorType);

// What a mouse message over the icon asks for.
enum class TrayAction { None, OpenWindow, WarnMissing, ShowMenu };
inline constexpr unsigned kMsgMouseMove = 0x0200;
inline constexpr unsigned kMsgLButtonDown = 0x0201;
inline constexpr unsigned kMsgLButtonUp = 0x0202;
inline constexpr unsigned kMsgLButtonDblClk = 0x0203;
inline constexpr unsigned kMsgRButtonUp = 0x0205;
TrayAction trayAction(unsigned mouseMessage, bool mousePresent);

}  // namespace k8
