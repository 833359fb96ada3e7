#include "sync/apply.h"

#include <type_traits>

#include "settings/dpi_light_codes.h"
#include "settings/key_codes.h"

namespace k8 {

// The record's encoders and macro images fill the device's values as they are.
static_assert(std::is_same_v<LightBytes, LightParameterSet>);
static_assert(std::is_same_v<LightBytes, decltype(DeviceState::lightEffect)>);
static_assert(std::is_same_v<decltype(buildDpiStageTable(MouseSettings{}, 0)),
                             decltype(DeviceState::dpiStageTable)>);
static_assert(std::is_same_v<decltype(buildKeyMatrix(MouseSettings{}, 0)), KeyMatrix>);
static_assert(
    std::is_same_v<decltype(MouseSettings::macroImages), decltype(DeviceState::macroScratch)>);
static_assert(kDpiStages == kDeviceDpiStages);
static_assert(std::tuple_size_v<decltype(MouseSettings::dpiColor)> <=
              std::tuple_size_v<ColourBlock>);

bool sendSettingsToMouse(const MouseSettings& s, CommandSet& commands) {
  const unsigned failedBefore = commands.failedTransfers();
  DeviceState& d = commands.state();
  commands.SetReportRate(s.reportRate);
  commands.ReadLightEffect();
  commands.ReadLightParameters();
  commands.ReadColourBlocks();

  computeLight(s, d.lightEffect, d.lightParameters[0]);
  d.colourBlocks[1] = {};
  std::copy(s.dpiColor.begin(), s.dpiColor.end(), d.colourBlocks[1].begin());

  commands.WriteColourBlocks();
  commands.WriteLightParameters();
  commands.WriteLightEffect();

  d.dpiStageTable = buildDpiStageTable(s, d.sensorType);
  commands.WriteDpiStages();

  d.macroScratch = s.macroImages;
  commands.WriteMacros();
  commands.ReadMacros();

  // Matrix 1 is rebuilt whole; matrix 3 is overwritten slot by slot; 2 and 4 stay zero.
  d.keyMatrices[0] = buildKeyMatrix(s, 0);
  d.keyMatrices[2] = buildKeyMatrix(s, 1);
  commands.WriteKeyMatrices();
  const bool delivered = commands.failedTransfers() == failedBefore;
  d.settingsOwed = !delivered;
  return delivered;
}

bool applySettings(const MouseSettings& s, CommandSet& commands, ApplyPersistence& persistence) {
  const bool delivered = sendSettingsToMouse(s, commands);
  persistence.saveSettings(s);
  persistence.saveCaptions();
  return delivered;
}

bool resendOwedSettings(const MouseSettings& committed, CommandSet& commands) {
  if (!commands.state().settingsOwed) return true;
  return sendSettingsToMouse(committed, commands);
}

}  // namespace k8
