#include "settings/key_codes.h"

namespace k8 {

KeyFunction encodeKeyFunction(const MouseSettings& s, int mode, int button) {
  if (button < 0 || button >= kButtonSlots) return {0, 0, 0, 0};
  const KeyModeBlock& m = s.mode(mode);
  const auto b = static_cast<std::size_t>(button);
  switch (m.function[b]) {
    case kLeftClick: return {0x01, 0x00, 0xF0, 0x00};
    case kRightClick: return {0x01, 0x00, 0xF1, 0x00};
    case kMidClick: return {0x01, 0x00, 0xF2, 0x00};
    case kForward: return {0x01, 0x00, 0xF4, 0x00};
    case kBackward: return {0x01, 0x00, 0xF3, 0x00};
    case kTripleClick: return {0x0A, 0xF0, 0x22, 0x03};  // fire key: left button, speed 34, 3x
    case kDpiSwitch: {
      const std::uint8_t action = s.dpiAction(mode)[b];
      return {0x07, 0x00, action, static_cast<std::uint8_t>(action == kShiftDpi ? 1 : 0)};
    }
    case kRgbOnOff: return {0x08, 0x00, 0x03, 0x00};
    case kWindowsFunction: return {0x03, 0x00, m.windowsUsageLow[b], m.windowsUsageHigh[b]};
    case kMultimedia: return {0x03, 0x00, m.mediaUsage[b], 0x00};
    case kFireKey: return {0x0A, m.fireKeyUsage[b], m.fireSpeed[b], m.fireTimes[b]};
    case kSingleKey: return {0x00, 0x00, m.singleKeyUsage[b], 0x00};
    case kComboKey: return {0x00, m.comboModifiers[b], m.comboKey1[b], m.comboKey2[b]};
    case kMacroKey:
      return {0x09, m.macroRepeatMode[b], static_cast<std::uint8_t>(m.macroIndex[b] + 1), 0x00};
    case kShift: return {0x08, 0x00, 0x02, 0x00};
    default: return {0x00, 0x00, 0x00, 0x00};  // "Key Off" and anything out of range
  }
}

std::array<std::uint8_t, 64> buildKeyMatrix(const MouseSettings& s, int mode) {
  std::array<std::uint8_t, 64> matrix{};
  auto put = [&matrix](int slot, const KeyFunction& f) {
    for (int i = 0; i < 4; ++i) matrix[static_cast<std::size_t>(slot * 4 + i)] = f[i];
  };
  for (int button = 0; button < kButtonCount; ++button) {
    put(deviceSlotOfButton(button), encodeKeyFunction(s, mode, button));
  }
  put(14, {0x01, 0x00, 0xF7, 0x00});
  put(15, {0x01, 0x00, 0xF8, 0x00});
  return matrix;
}

}  // namespace k8
