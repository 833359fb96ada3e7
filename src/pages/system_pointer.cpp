#include "pages/system_pointer.h"

#include <algorithm>

namespace k8 {
namespace {

constexpr MouseAcceleration kAccelerationOn{6, 10, 1};
constexpr MouseAcceleration kAccelerationOff{0, 0, 0};
// Wine hands WHEEL_PAGESCROLL to another process as the largest positive int.
constexpr std::uint32_t kPageScrollAsInt = 0x7FFFFFFFu;

int clampStep(int step) { return std::clamp(step, 1, kPointerSteps); }

}  // namespace

int speedStepOf(int speed) { return clampStep(speed / 2 + 1); }

int speedOfStep(int step) {
  step = clampStep(step);
  return step == 1 ? 1 : 2 * step - 2;
}

int doubleClickStepOf(unsigned time) {
  // A time above 900 ms would give a step below 1 (and the division must not wrap).
  const int d = static_cast<int>(std::min(time, 10000u));
  return clampStep((900 - d) / 70 + 1);
}

unsigned doubleClickTimeOf(int step) { return static_cast<unsigned>(970 - 70 * clampStep(step)); }

void readSystemPointer(SystemPointer& system, MouseSettings& s, const PointerWarning& warn) {
  const auto acceleration = system.mouse();
  s.enhancePointerPrecision = acceleration && (*acceleration)[2] != 0 ? 1 : 0;
  if (const auto speed = system.mouseSpeed()) {
    s.pointerSpeed = static_cast<std::uint8_t>(speedStepOf(*speed));
  } else {
    warn(L"GETMOUSESPEED failed.");
  }
  if (const auto lines = system.wheelScrollLines()) {
    const bool page = *lines == kPageScroll || *lines == kPageScrollAsInt;
    s.scrollOneScreen = page ? 1 : 0;
    s.scrollLines = page ? 0 : static_cast<std::uint8_t>(*lines & 0xFF);
  } else {
    warn(L"GETWHEELSCROLLLINES failed.");
  }
  if (const unsigned time = system.doubleClickTime(); time != 0) {
    s.doubleClickSpeed = static_cast<std::uint8_t>(doubleClickStepOf(time));
  } else {
    warn(L"GetDoubleClickTime failed.");
  }
}

void writeSystemPointer(SystemPointer& system, const MouseSettings& s, const PointerWarning& warn) {
  if (!system.setMouse(s.enhancePointerPrecision ? kAccelerationOn : kAccelerationOff, kSendChange))
    warn(L"SETMOUSE failed.");
  if (!system.setMouseSpeed(speedOfStep(s.pointerSpeed), kSendChange))
    warn(L"SETMOUSESPEED failed.");
  if (!system.setWheelScrollLines(s.scrollOneScreen ? kPageScroll : s.scrollLines, kSendChange))
    warn(L"SETWHEELSCROLLLINES failed.");
  if (!system.setDoubleClickTime(doubleClickTimeOf(s.doubleClickSpeed), kUpdateAndSend))
    warn(L"SPI_SETDOUBLECLICKTIME failed.");
}

void writeSystemDefaults(SystemPointer& system, MouseSettings& s, const PointerWarning& warn) {
  if (!system.setMouse(kAccelerationOff, kSendChange)) warn(L"SETMOUSE failed.");
  if (!system.setMouseSpeed(10, kSendChange)) warn(L"SETMOUSESPEED failed.");
  if (!system.setWheelScrollLines(3, kSendChange)) warn(L"SETWHEELSCROLLLINES failed.");
  if (!system.setDoubleClickTime(500, kUpdateAndSend)) warn(L"SPI_SETDOUBLECLICKTIME failed.");
  resetSystemMouseDefaults(s);
}

}  // namespace k8
