// Apply through the Win32 HID backend, as the program does it from its Apply button.
#include <windows.h>

#include <cstdio>

#include "cli.h"
#include "device/commands.h"
#include "device/device_link.h"
#include "device/hid_backend_win32.h"
#include "mouse_apply.h"
#include "platform/pause.h"
#include "platform/pause_win32.h"
#include "platform/system_library_win32.h"
#include "platform/text.h"
#include "sync/apply.h"

namespace k8ctl {

int applyToMouse(const k8::MouseSettings& settings) {
  k8::restrictLibrarySearch();  // the only command that reaches for system libraries
  k8::Win32HidBackend backend;
  k8::DeviceLink link(backend);
  const bool found = link.discover();
  for (const std::wstring& text : link.takeProblems()) {
    std::fprintf(stderr, "k8ctl: %s\n", k8::toUtf8(text).c_str());
  }
  if (!found) {
    std::fprintf(stderr, "k8ctl: no mouse found\n");
    return kNoMouse;
  }
  // The transport holds the 1 ms timer while it lives: Sleep(2) would otherwise last a tick.
  k8::Transport transport(link.feature(), link.featureLengths(), k8::realPause);
  k8::DeviceState state;
  k8::CommandSet commands(transport, state);
  commands.ExchangeSensorSettings();  // as on arrival: the sensor type picks the DPI codes
  k8::sendSettingsToMouse(settings, commands);
  if (const auto failed = transport.failedTransfers()) {
    std::fprintf(stderr, "k8ctl: the mouse did not take %u transfer%s\n", failed,
                 failed == 1 ? "" : "s");
    return kNotTaken;
  }
  return kOk;
}

}  // namespace k8ctl
