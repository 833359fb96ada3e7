#pragma once
// What OK and Apply do in the program once the mouse is there: the working copy goes to the mouse,
// config.bin and the button captions are saved, the working copy becomes the committed one and
// the system's pointer settings follow it. All of that happens even when not every transfer
// reached the mouse (the next connection sends the settings again); the user is told so.

#include "device/commands.h"
#include "settings/mouse_settings.h"

namespace k8 {

// The program's side of an Apply.
class ProgramApplyHost {
 public:
  virtual ~ProgramApplyHost() = default;
  // config.bin; false when it was not written (the user has been told why).
  virtual bool saveConfig(const MouseSettings& s) = 0;
  virtual void saveCaptions() = 0;
  virtual void writeSystemSettings() = 0;
  virtual void tellNotDelivered() = 0;
};

// True when every transfer reached the mouse.
bool applyAndCommit(SettingsState& settings, CommandSet& commands, ProgramApplyHost& host);

}  // namespace k8
