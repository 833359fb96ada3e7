#include "app/sim/sim_control_win32.h"

#include <dbt.h>

#include <string_view>
#include <vector>

#include "app/sim_channel.h"
#include "device/device_broadcast_win32.h"
#include "skin/display_scale_win32.h"

namespace k8 {

namespace {

struct SimTargets {
  HWND mainWindow;
  SimulatedMouse* mouse;
  SettingsState* settings;
};

SimTargets g_targets{};

// Posted when the mouse has unplugged itself in the middle of a transfer sequence: the
// broadcast follows once the UI thread is back in its message loop, as a real one would.
constexpr UINT kMouseVanished = WM_APP + 1;

// One broadcast per collection of the mouse, as Windows sends them.
void broadcast(HWND mainWindow, WPARAM event) {
  for (const std::wstring* path :
       {&SimulatedMouse::kMousePath, &SimulatedMouse::kInputPath, &SimulatedMouse::kFeaturePath}) {
    auto message = makeDeviceBroadcast(*path);
    SendMessageW(mainWindow, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(message.data()));
  }
}

LRESULT handleCommand(const COPYDATASTRUCT& data) {
  if (data.dwData != kSimCommandTag || data.lpData == nullptr) return 0;
  const auto command =
      parseSimCommand(std::string_view(static_cast<const char*>(data.lpData), data.cbData));
  if (!command) return 0;
  switch (command->kind) {
    case SimCommand::Kind::Plug:
      g_targets.mouse->plug();
      broadcast(g_targets.mainWindow, DBT_DEVICEARRIVAL);
      break;
    case SimCommand::Kind::Unplug:
      g_targets.mouse->unplug();
      broadcast(g_targets.mainWindow, DBT_DEVICEREMOVECOMPLETE);
      break;
    case SimCommand::Kind::UnplugAfter: g_targets.mouse->unplugAfter(command->transfers); break;
    case SimCommand::Kind::Report: {
      const auto input = g_targets.mouse->open(SimulatedMouse::kInputPath, false);
      const std::size_t length = input ? input->caps().inputReportByteLength : 0;
      g_targets.mouse->pushInputReport(simInputReport(*command, length));
      break;
    }
    case SimCommand::Kind::Set:
      // The parser keeps the offset inside the record; the record is plain bytes.
      reinterpret_cast<std::uint8_t*>(&g_targets.settings->working)[command->offset] =
          command->value;
      break;
    case SimCommand::Kind::Scale: {
      // What the system sends when the window moves to a monitor of that scale: it suggests
      // the window's place with the size scaled from 100 %.
      RECT client{}, window{};
      GetClientRect(g_targets.mainWindow, &client);
      GetWindowRect(g_targets.mainWindow, &window);
      const auto now = static_cast<int>(SendMessageW(g_targets.mainWindow, kGetScaleMessage, 0, 0));
      const int from = now >= kBaseDpi ? now : kBaseDpi;
      const LONG width = MulDiv(client.right, static_cast<int>(command->dpi), from);
      const LONG height = MulDiv(client.bottom, static_cast<int>(command->dpi), from);
      RECT suggested{window.left, window.top, window.left + width, window.top + height};
      const WORD dpi = static_cast<WORD>(command->dpi);
      SendMessageW(g_targets.mainWindow, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                   reinterpret_cast<LPARAM>(&suggested));
      break;
    }
  }
  return 1;
}

LRESULT CALLBACK controlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COPYDATA && lParam != 0 && g_targets.mouse != nullptr) {
    return handleCommand(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
  }
  if (message == kMouseVanished && g_targets.mouse != nullptr) {
    broadcast(g_targets.mainWindow, DBT_DEVICEREMOVECOMPLETE);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

HWND createSimControl(HINSTANCE instance, HWND mainWindow, SimulatedMouse& mouse,
                      SettingsState& settings) {
  g_targets = SimTargets{mainWindow, &mouse, &settings};
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = controlProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kSimControlClass;
  RegisterClassW(&windowClass);
  const HWND control = CreateWindowExW(0, kSimControlClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                       nullptr, instance, nullptr);
  mouse.setUnplugListener([control] { PostMessageW(control, kMouseVanished, 0, 0); });
  return control;
}

}  // namespace k8
