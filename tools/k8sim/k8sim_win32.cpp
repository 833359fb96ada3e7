// k8sim: hands one command to the running simulated program and waits until it is handled.
//   k8sim plug | unplug | unplug-after N | report KIND VALUE [REPORT_ID] | set OFFSET VALUE |
//         scale DPI
// unplug-after N arms the mouse to vanish after its next N transfers (its device-change
// broadcast follows when the program is back in its message loop).
// Exit status: 0 handled, 1 no simulated program runs, 2 bad command.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/sim_channel.h"
#include "settings/mouse_settings.h"

int main(int argc, char** argv) {
  std::vector<std::string> words(argv + 1, argv + argc);
  const auto command = k8::parseSimCommand(words);
  if (!command) {
    std::fprintf(stderr,
                 "usage: k8sim plug | unplug | unplug-after N | report KIND VALUE [REPORT_ID] |"
                 " set OFFSET VALUE | scale DPI\n"
                 "  (decimal; VALUE 0-255, OFFSET 0-%u in the settings record, N 0-%u,"
                 " DPI %u-%u)\n",
                 static_cast<unsigned>(sizeof(k8::MouseSettings) - 1), k8::kMaxUnplugAfter - 1,
                 k8::kMinSimDpi, k8::kMaxSimDpi);
    return 2;
  }
  const HWND control = FindWindowExW(HWND_MESSAGE, nullptr, k8::kSimControlClass, nullptr);
  if (!control) {
    std::fprintf(stderr, "k8sim: no simulated program runs\n");
    return 1;
  }
  std::string line = k8::formatSimCommand(*command);
  COPYDATASTRUCT data{};
  data.dwData = k8::kSimCommandTag;
  data.cbData = static_cast<DWORD>(line.size());
  data.lpData = line.data();
  const LRESULT handled = SendMessageW(control, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
  if (!handled) {
    std::fprintf(stderr, "k8sim: the simulated program did not take the command\n");
    return 1;
  }
  return 0;
}
