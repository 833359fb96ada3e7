#pragma once
// The simulated build's control channel: a message-only window that takes k8sim's commands.

#include <windows.h>

#include "device/simulated_mouse.h"
#include "settings/mouse_settings.h"

namespace k8 {

// Creates the control window on the calling (UI) thread. Plug and unplug reach `mainWindow`
// as the device-change broadcasts a real mouse gives; reports go into the mouse's input queue,
// where the program's reader thread finds them; "set" writes one byte of the working copy of
// `settings`, as a page control does (until the pages have their controls).
HWND createSimControl(HINSTANCE instance, HWND mainWindow, SimulatedMouse& mouse,
                      SettingsState& settings);

}  // namespace k8
