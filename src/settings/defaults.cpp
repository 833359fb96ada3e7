#include "settings/key_codes.h"
#include "settings/mouse_settings.h"

namespace k8 {

void resetKeyDefaults(MouseSettings& s) {
  constexpr std::uint8_t kDefaults[kButtonCount] = {kLeftClick, kRightClick, kMidClick,
                                                    kForward,   kBackward,   kDpiSwitch,
                                                    kDpiSwitch, kTripleClick};
  for (int mode = 0; mode < 2; ++mode) {
    auto& fn = s.mode(mode).function;
    for (int b = 0; b < kButtonSlots; ++b) {
      fn[static_cast<std::size_t>(b)] = b < kButtonCount ? kDefaults[b] : std::uint8_t{kKeyOff};
    }
    s.dpiAction(mode)[5] = kDpiUp;
    s.dpiAction(mode)[6] = kDpiDown;
  }
}

void resetSystemMouseDefaults(MouseSettings& s) {
  s.enhancePointerPrecision = 0;
  s.scrollOneScreen = 0;
  s.pointerSpeed = 6;
  s.scrollLines = 3;
  s.doubleClickSpeed = 6;
}

}  // namespace k8
