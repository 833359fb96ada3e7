#include "pages/system_pointer_win32.h"

#include <windows.h>

namespace k8 {

std::optional<MouseAcceleration> Win32SystemPointer::mouse() {
  int values[3] = {};
  if (!SystemParametersInfoW(SPI_GETMOUSE, 0, values, 0)) return std::nullopt;
  return MouseAcceleration{values[0], values[1], values[2]};
}

std::optional<int> Win32SystemPointer::mouseSpeed() {
  int speed = 0;
  if (!SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed, 0)) return std::nullopt;
  return speed;
}

std::optional<std::uint32_t> Win32SystemPointer::wheelScrollLines() {
  UINT lines = 0;
  if (!SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) return std::nullopt;
  return lines;
}

unsigned Win32SystemPointer::doubleClickTime() { return GetDoubleClickTime(); }

bool Win32SystemPointer::setMouse(const MouseAcceleration& values, unsigned flags) {
  int copy[3] = {values[0], values[1], values[2]};
  return SystemParametersInfoW(SPI_SETMOUSE, 0, copy, flags) != FALSE;
}

bool Win32SystemPointer::setMouseSpeed(int speed, unsigned flags) {
  // Windows takes the speed from pvParam; Wine 8 takes it from uiParam. Both get it.
  return SystemParametersInfoW(SPI_SETMOUSESPEED, static_cast<UINT>(speed),
                               reinterpret_cast<void*>(static_cast<INT_PTR>(speed)),
                               flags) != FALSE;
}

bool Win32SystemPointer::setWheelScrollLines(std::uint32_t lines, unsigned flags) {
  return SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, lines, nullptr, flags) != FALSE;
}

bool Win32SystemPointer::setDoubleClickTime(unsigned milliseconds, unsigned flags) {
  return SystemParametersInfoW(SPI_SETDOUBLECLICKTIME, milliseconds, nullptr, flags) != FALSE;
}

}  // namespace k8
