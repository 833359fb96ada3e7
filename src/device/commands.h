#pragma once
// The mouse's command set, and the device-side values the program mirrors between commands.

#include <array>
#include <cstdint>
#include <span>

#include "device/transport.h"
#include "settings/mouse_settings.h"

namespace k8 {

using KeyMatrix = std::array<std::uint8_t, 64>;
using ColourBlock = std::array<std::uint8_t, 24>;
using LightParameterSet = std::array<std::uint8_t, 3>;

// Values read from or written to the mouse; kept per process, never saved.
struct DeviceState {
  std::array<std::uint8_t, 4> sensorSettings{};  // type, rate, option 1, option 2
  std::uint8_t sensorType = 0;
  std::array<std::uint8_t, 3> lightEffect{};  // effect, option 1, option 2
  std::array<LightParameterSet, 2> lightParameters{};
  std::array<ColourBlock, 2> colourBlocks{};
  std::array<std::uint8_t, 8> dpiStageTable{};
  std::array<KeyMatrix, 4> keyMatrices{};
  std::array<MacroImage, kMacroCount> macroScratch{};
};

namespace cmd {
inline constexpr std::uint8_t kSetReportRate = 0x01;
inline constexpr std::uint8_t kWriteSensorSettings = 0x03;
inline constexpr std::uint8_t kReadSensorSettings = 0x83;
inline constexpr std::uint8_t kWriteLightParameters = 0x07;
inline constexpr std::uint8_t kReadLightParameters = 0x87;
inline constexpr std::uint8_t kWriteLightEffect = 0x0D;
inline constexpr std::uint8_t kReadLightEffect = 0x8D;
inline constexpr std::uint8_t kWriteColourBlock = 0x10;
inline constexpr std::uint8_t kReadColourBlock = 0x90;
inline constexpr std::uint8_t kWriteDpiStages = 0x11;
inline constexpr std::uint8_t kWriteKeyMatrix = 0x12;
inline constexpr std::uint8_t kWriteMacro = 0x13;
inline constexpr std::uint8_t kReadMacro = 0x93;
}  // namespace cmd

// DPI code for a stage level under a sensor type. Unknown sensor types give 0; a level past the
// end of the sensor's table (settings made with another sensor) gives the table's last code.
std::uint8_t dpiCode(std::uint8_t sensorType, std::uint8_t level);
// The 8-byte payload of WriteDpiStages for the four stages of the record.
std::array<std::uint8_t, 8> buildDpiStageTable(const MouseSettings& s, std::uint8_t sensorType);

class CommandSet {
 public:
  CommandSet(Transport& transport, DeviceState& state) : t_(transport), state_(state) {}

  void SetReportRate(std::uint8_t code);
  void ReadSensorSettings();
  void WriteSensorSettings();
  // Read, set bit 6 of option 2, write back: sent on arrival and on the first Basic page.
  void ExchangeSensorSettings();
  void ReadLightEffect();
  void WriteLightEffect();
  void ReadLightParameters();   // sets 0 and 1, 2 ms after each
  void WriteLightParameters();  // sets 0 and 1, 2 ms after each
  void ReadColourBlocks();      // blocks 0 and 1, 2 ms after each
  void WriteColourBlocks();     // blocks 0 and 1, 2 ms after each
  void WriteDpiStages();
  void WriteKeyMatrices();  // matrices 1-4, 2 ms after each
  void WriteMacros();       // macros 1-12 from the scratch, 2 ms after each
  void ReadMacros();        // macros 1-12 into the scratch, 2 ms after each

  DeviceState& state() { return state_; }

 private:
  Transport& t_;
  DeviceState& state_;
};

}  // namespace k8
