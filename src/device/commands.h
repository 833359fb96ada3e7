#pragma once
// The mouse's command set, and the device-side values the program mirrors between commands.

#include <array>
#include <cstdint>
#include <span>

#include "device/command_table.h"
#include "device/transport.h"

namespace k8 {

using KeyMatrix = std::array<std::uint8_t, 64>;
using ColourBlock = std::array<std::uint8_t, 24>;
using LightParameterSet = std::array<std::uint8_t, 3>;
using MacroPayload = std::array<std::uint8_t, 128>;
// The macro slots of the mouse: one WriteMacro number each.
using MacroPayloads = std::array<MacroPayload, command(cmd::kWriteMacro).numbers>;

// The stages the mouse switches between; WriteDpiStages names their count in byte 1.
inline constexpr std::uint8_t kDeviceDpiStages = 4;

// Values read from or written to the mouse; kept per process, never saved. A read that failed
// leaves them as they were: the zeros of a failed reply would otherwise go back to the mouse in
// the next write of the same values.
struct DeviceState {
  std::array<std::uint8_t, 4> sensorSettings{};  // type, rate, option 1, option 2
  std::uint8_t sensorType = 0;
  std::array<std::uint8_t, 3> lightEffect{};  // effect, option 1, option 2
  std::array<LightParameterSet, 2> lightParameters{};
  std::array<ColourBlock, 2> colourBlocks{};
  std::array<std::uint8_t, 8> dpiStageTable{};
  std::array<KeyMatrix, 4> keyMatrices{};
  MacroPayloads macroScratch{};
  // The last Apply did not reach the mouse whole: the committed settings go again on the next
  // connection.
  bool settingsOwed = false;
};

static_assert(command(cmd::kWriteColourBlock).length == std::tuple_size_v<ColourBlock>);
static_assert(command(cmd::kWriteKeyMatrix).length == std::tuple_size_v<KeyMatrix>);
static_assert(command(cmd::kWriteMacro).length == std::tuple_size_v<MacroPayload>);
static_assert(command(cmd::kReadMacro).length == std::tuple_size_v<MacroPayload>);
static_assert(command(cmd::kWriteSensorSettings).length ==
              std::tuple_size_v<decltype(DeviceState::sensorSettings)>);
static_assert(command(cmd::kWriteLightEffect).length ==
              std::tuple_size_v<decltype(DeviceState::lightEffect)>);
static_assert(command(cmd::kWriteLightParameters).length == std::tuple_size_v<LightParameterSet>);
static_assert(command(cmd::kWriteLightParameters).numbers ==
              std::tuple_size_v<decltype(DeviceState::lightParameters)>);
static_assert(command(cmd::kWriteColourBlock).numbers ==
              std::tuple_size_v<decltype(DeviceState::colourBlocks)>);
static_assert(command(cmd::kWriteKeyMatrix).numbers ==
              std::tuple_size_v<decltype(DeviceState::keyMatrices)>);
static_assert(command(cmd::kWriteDpiStages).length ==
              std::tuple_size_v<decltype(DeviceState::dpiStageTable)>);

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
  // Transfers that failed on this command set's transport so far.
  unsigned failedTransfers() const { return t_.failedTransfers(); }

 private:
  Transport& t_;
  DeviceState& state_;
};

}  // namespace k8
