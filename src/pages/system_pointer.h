#pragma once
// The system's pointer settings as the Advanced page keeps them: steps 1-11 for speed, wheel and
// double-click time, two options. The system calls go through SystemPointer (the Windows side
// uses SystemParametersInfoW and GetDoubleClickTime; tests use a fake), so the conversions and
// the order of the writes are plain code.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "settings/mouse_settings.h"

namespace k8 {

// The fUpdateIni flags of the writes: the pointer settings are broadcast only, the double-click
// time is also stored in the user profile.
inline constexpr unsigned kSendChange = 2;     // SPIF_SENDWININICHANGE
inline constexpr unsigned kUpdateAndSend = 3;  // SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE
inline constexpr std::uint32_t kPageScroll = 0xFFFFFFFFu;  // WHEEL_PAGESCROLL

// Threshold 1, threshold 2 and acceleration of SPI_GETMOUSE / SPI_SETMOUSE.
using MouseAcceleration = std::array<int, 3>;

class SystemPointer {
 public:
  virtual ~SystemPointer() = default;
  virtual std::optional<MouseAcceleration> mouse() = 0;
  virtual std::optional<int> mouseSpeed() = 0;  // 1-20
  virtual std::optional<std::uint32_t> wheelScrollLines() = 0;
  virtual unsigned doubleClickTime() = 0;  // 0 when it failed
  virtual bool setMouse(const MouseAcceleration& values, unsigned flags) = 0;
  virtual bool setMouseSpeed(int speed, unsigned flags) = 0;
  virtual bool setWheelScrollLines(std::uint32_t lines, unsigned flags) = 0;
  virtual bool setDoubleClickTime(unsigned milliseconds, unsigned flags) = 0;
};

// A failure to show, with the caption "Warning".
using PointerWarning = std::function<void(const std::wstring& text)>;

inline constexpr int kPointerSteps = 11;

// Steps and system values. Every step comes out in 1-11, whatever the system holds.
int speedStepOf(int speed);            // s / 2 + 1
int speedOfStep(int step);             // 1 for step 1, else 2 * step - 2
int doubleClickStepOf(unsigned time);  // (900 - d) / 70 + 1
unsigned doubleClickTimeOf(int step);  // 970 - 70 * step: 900 ms .. 200 ms

// First visit of the page: the four system values into `s`. A read that fails is reported and
// leaves its field as it was.
void readSystemPointer(SystemPointer& system, MouseSettings& s, const PointerWarning& warn);

// OK and Apply: acceleration, speed, wheel lines, double-click time, in that order; a failure
// is reported and the next write still runs.
void writeSystemPointer(SystemPointer& system, const MouseSettings& s, const PointerWarning& warn);

// The Advanced page's Default: the system defaults are written at once, and `s` gets the steps
// that a later Apply writes (speed 10, 3 lines, 550 ms, no acceleration).
void writeSystemDefaults(SystemPointer& system, MouseSettings& s, const PointerWarning& warn);

}  // namespace k8
