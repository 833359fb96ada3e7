#pragma once
// Button functions and their 4-byte device codes, and the layout of a device key matrix.

#include <array>
#include <cstdint>

#include "settings/mouse_settings.h"

namespace k8 {

using KeyFunction = std::array<std::uint8_t, 4>;  // byte 0 = kind; the low byte of the word

enum Function : std::uint8_t {
  kLeftClick = 0,
  kRightClick = 1,
  kMidClick = 2,
  kForward = 3,
  kBackward = 4,
  kTripleClick = 5,
  kDpiSwitch = 6,
  kRgbOnOff = 7,
  kWindowsFunction = 8,
  kMultimedia = 9,
  kFireKey = 10,
  kSingleKey = 11,
  kComboKey = 12,
  kMacroKey = 13,
  kShift = 14,
  kKeyOff = 15,
};
inline constexpr int kFunctionCount = 16;

// DPI actions of function 6 (1-4).
enum DpiAction : std::uint8_t { kDpiUp = 1, kDpiDown = 2, kDpiLoop = 3, kShiftDpi = 4 };

// mode: 0 = Mode A, 1 = Mode B; button 0-11. Functions 16-255 encode as zeros.
KeyFunction encodeKeyFunction(const MouseSettings& s, int mode, int button);

// 16 little-endian words: buttons 0-7 (3 and 4 exchanged), zero slots 8-13, fixed 14 and 15.
std::array<std::uint8_t, 64> buildKeyMatrix(const MouseSettings& s, int mode);

// The device slot that carries a button (3 and 4 are exchanged).
constexpr int deviceSlotOfButton(int button) { return button == 3 ? 4 : button == 4 ? 3 : button; }

}  // namespace k8
