// The simulated build: the same program over SimulatedMouse, with its start state from
// sim-mouse.ini, its wire log in sim-wire.log and its journal in sim-journal.log, all beside it.
#include <windows.h>

#include <cstdio>
#include <memory>

#include "app/journal.h"
#include "app/program_options_win32.h"
#include "app/sim/sim_control_win32.h"
#include "app/sim_channel.h"
#include "device/simulated_mouse.h"
#include "platform/paths.h"
#include "platform/system_profile.h"
#include "platform/text.h"

namespace {

k8::SimStartState readStartState(const std::filesystem::path& file) {
  const k8::SystemProfile ini(file);
  const std::wstring plugged = ini.readString(L"Mouse", L"Plugged");
  k8::SimStartState s;
  s.plugged = plugged.empty() || k8::decimalNumber(plugged, k8::NumberForm::Signed) != 0;
  s.sensorType = static_cast<std::uint8_t>(
      k8::decimalNumber(ini.readString(L"Mouse", L"SensorType"), k8::NumberForm::Signed));
  return s;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  const auto folder = k8::programFilePath().parent_path();
  const auto start = readStartState(folder / L"sim-mouse.ini");
  static k8::SimulatedMouse mouse(start.sensorType, start.plugged);

  std::FILE* wire = _wfopen((folder / L"sim-wire.log").c_str(), L"ab");
  mouse.setLogSink([wire](const std::string& line) {
    if (!wire) return;
    std::fprintf(wire, "%s\n", line.c_str());
    std::fflush(wire);
  });
  static k8::Journal journal(folder / L"sim-journal.log");

  k8::ProgramOptions options;
  options.backend = &mouse;
  options.pause = mouse.pauseFn(true);
  options.journal = [](const std::string& line) { journal.write(line); };
  options.windowReady = [instance](HWND mainWindow, k8::SettingsState& settings) {
    k8::createSimControl(instance, mainWindow, mouse, settings);
  };
  return k8::runProgram(instance, options);
}
