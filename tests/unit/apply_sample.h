#pragma once
// Settings that differ from the defaults in every part Apply sends, for the tests of Apply.

#include <cstdint>

#include "settings/key_codes.h"
#include "settings/mouse_settings.h"

namespace k8 {

// Macro n's image is filled with firstMacroByte + n.
inline MouseSettings applySample(std::uint8_t firstMacroByte) {
  MouseSettings s{};
  resetKeyDefaults(s);
  s.reportRate = 2;
  s.dpiLevel = {0, 3, 7, 11};
  s.dpiStageEnabled = {1, 0, 1, 1};
  for (std::size_t i = 0; i < 12; ++i) s.dpiColor[i] = static_cast<std::uint8_t>(0xA0 + i);
  for (std::size_t n = 0; n < kMacroCount; ++n)
    s.macroImages[n].fill(static_cast<std::uint8_t>(firstMacroByte + n));
  s.modeB.function[4] = kMidClick;
  return s;
}

}  // namespace k8
