#pragma once
// Apply to the mouse on this machine: the Windows build goes through the HID backend, other
// builds have none and find no mouse.

#include "settings/mouse_settings.h"

namespace k8ctl {

// Finds the mouse, runs the sensor-settings exchange and the whole Apply sequence with real
// pauses. Returns kOk, kNoMouse or kNotTaken (after a line on stderr).
int applyToMouse(const k8::MouseSettings& settings);

}  // namespace k8ctl
