#pragma once
// Apply: make the mouse match the working copy, then save the record and the button texts. The
// record's light and DPI encoders live here with it: device/ never reads the record.

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

// DPI code for a stage level under a sensor type. Unknown sensor types give 0; a level past the
// end of the sensor's table (settings made with another sensor) gives the table's last code.
std::uint8_t dpiCode(std::uint8_t sensorType, std::uint8_t level);
// The 8-byte payload of WriteDpiStages for the four stages of the record.
std::array<std::uint8_t, 8> buildDpiStageTable(const MouseSettings& s, std::uint8_t sensorType);

// Every command and pause of an Apply, in order. Never stops on a failed transfer; true when
// every transfer succeeded.
bool sendSettingsToMouse(const MouseSettings& s, CommandSet& commands);

// What Apply keeps beside the program once the mouse is programmed.
class ApplyPersistence {
 public:
  virtual ~ApplyPersistence() = default;
  virtual void saveSettings(const MouseSettings& s) = 0;  // config.bin
  virtual void saveCaptions() {}                          // the button texts in str.ini
};

// The whole Apply: every command, then config.bin, then the captions; the settings are saved
// whether or not they all reached the mouse. True when they did; otherwise the device state
// marks them owed, for resendOwedSettings on the next connection.
bool applySettings(const MouseSettings& s, CommandSet& commands, ApplyPersistence& persistence);

// After the mouse has been connected again: sends `committed` when the last Apply (or resend)
// did not reach the mouse whole. True when nothing is owed any more.
bool resendOwedSettings(const MouseSettings& committed, CommandSet& commands);

}  // namespace k8
