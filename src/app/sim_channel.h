#pragma once
// The simulated build's control channel: k8sim sends one command line to the running program,
// which finds it by the class name of a message-only window.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace k8 {

inline constexpr wchar_t kSimControlClass[] = L"K8GamingMouse-SimControl";
inline constexpr std::uintptr_t kSimCommandTag = 0x4B38534D;  // marks our WM_COPYDATA

struct SimCommand {
  enum class Kind { Plug, Unplug, UnplugAfter, Report, Set, Scale };
  Kind kind = Kind::Plug;
  std::uint8_t reportKind = 0;
  std::uint8_t value = 0;  // of the report, or the byte that Set writes
  std::uint8_t reportId = 6;
  std::uint16_t offset = 0;  // Set: byte offset in the working copy of MouseSettings
  unsigned transfers = 0;    // UnplugAfter: transfers the mouse still makes before it goes
  unsigned dpi = 0;          // Scale: the display scale the window is moved to
};

inline constexpr unsigned kMaxUnplugAfter = 100000;
inline constexpr unsigned kMinSimDpi = 96, kMaxSimDpi = 384;

// "plug", "unplug", "unplug-after N" (N below kMaxUnplugAfter), "report KIND VALUE [REPORT_ID]"
// "set OFFSET VALUE" with decimal bytes (0-255) and an offset inside MouseSettings, and "scale DPI"
// (kMinSimDpi-kMaxSimDpi); anything else gives nothing.
std::optional<SimCommand> parseSimCommand(const std::vector<std::string>& words);
std::optional<SimCommand> parseSimCommand(std::string_view line);
std::string formatSimCommand(const SimCommand& command);

// The input report a command delivers: id, kind, an unused byte, value, padded to the input
// collection's length.
std::vector<std::uint8_t> simInputReport(const SimCommand& command, std::size_t length);

// sim-mouse.ini, section "Mouse".
struct SimStartState {
  bool plugged = true;
  std::uint8_t sensorType = 0;
};

}  // namespace k8
