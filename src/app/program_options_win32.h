#pragma once
// What differs between the real program and its simulated build.

#include <windows.h>

#include <functional>
#include <string>

#include "device/hid_backend.h"
#include "platform/pause.h"
#include "settings/mouse_settings.h"

namespace k8 {

struct ProgramOptions {
  HidBackend* backend = nullptr;
  PauseFn pause;
  // Lines for the simulated build's journal; empty in the real program.
  std::function<void(const std::string& line)> journal;
  // Called on the UI thread once the main window is initialised (the simulated build opens
  // its control channel here, which may edit the working copy of the settings).
  std::function<void(HWND mainWindow, SettingsState& settings)> windowReady;
};

// Runs the program: application start, the main window, the message loop. Returns the exit
// code when the loop ends (the exit paths end the process themselves).
int runProgram(HINSTANCE instance, const ProgramOptions& options);

}  // namespace k8
