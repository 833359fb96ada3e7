#include "settings/apply.h"

#include "settings/key_codes.h"

namespace k8 {

void computeLight(const MouseSettings& s, std::array<std::uint8_t, 3>& effect,
                  LightParameterSet& set0) {
  switch (s.ledMode) {
    case 1:  // Standard
      effect = {1, static_cast<std::uint8_t>(s.ledBrightness + 1), 2};
      set0[0] = 1;
      break;
    case 2:  // Respiration
      effect[0] = 2;
      effect[1] = static_cast<std::uint8_t>(s.ledBeatSpeed + 1);
      if (s.ledMode2Option == 1) {
        effect[2] = 2;
        set0[0] = 1;
      } else if (s.ledMode2Option == 2) {
        effect[2] = 3;
        set0 = {2, 125, 3};
      }
      break;
    case 3:  // Neon
      effect[0] = 3;
      effect[1] = static_cast<std::uint8_t>(s.ledSwitchTime + 1);
      if (s.ledMode3Option == 2) {
        set0 = {2, 100, 10};
      } else if (s.ledMode3Option == 3) {
        set0 = {3, 5, 5};
      }
      break;
    default: break;
  }
}

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
