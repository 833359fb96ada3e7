#pragma once
// Apply: make the mouse match the working copy, then save the record and the button texts. This
// is where the record meets the mouse: settings/ encodes the record into bytes, device/ sends
// bytes, and neither includes the other.

#include "device/commands.h"
#include "settings/mouse_settings.h"

namespace k8 {

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
