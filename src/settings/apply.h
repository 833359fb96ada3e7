#pragma once
// Apply: make the mouse match the working copy, then save the record and the button texts.

#include <cstdint>
#include <string>
#include <vector>

#include "device/commands.h"
#include "settings/mouse_settings.h"

namespace k8 {

// Light effect and parameter set 0 as the record's light mode asks for them; bytes the mode
// does not name keep what the mouse reported.
void computeLight(const MouseSettings& s, std::array<std::uint8_t, 3>& effect,
                  LightParameterSet& set0);

// Steps 1-14: every command and pause, in order. Never stops on a failed transfer.
void sendSettingsToMouse(const MouseSettings& s, CommandSet& commands);

// What Apply keeps beside the program once the mouse is programmed.
class ApplyPersistence {
 public:
  virtual ~ApplyPersistence() = default;
  virtual void saveSettings(const MouseSettings& s) = 0;  // config.bin
  virtual void saveCaptions() {}                          // the button texts in str.ini
};

// The whole Apply: steps 1-14, then config.bin, then the captions.
void applySettings(const MouseSettings& s, CommandSet& commands, ApplyPersistence& persistence);

}  // namespace k8
