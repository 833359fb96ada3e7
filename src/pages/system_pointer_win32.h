#pragma once
// The system pointer settings of the user's session, through SystemParametersInfoW.

#include "pages/system_pointer.h"

namespace k8 {

class Win32SystemPointer final : public SystemPointer {
 public:
  std::optional<MouseAcceleration> mouse() override;
  std::optional<int> mouseSpeed() override;
  std::optional<std::uint32_t> wheelScrollLines() override;
  unsigned doubleClickTime() override;
  bool setMouse(const MouseAcceleration& values, unsigned flags) override;
  bool setMouseSpeed(int speed, unsigned flags) override;
  bool setWheelScrollLines(std::uint32_t lines, unsigned flags) override;
  bool setDoubleClickTime(unsigned milliseconds, unsigned flags) override;
};

}  // namespace k8
