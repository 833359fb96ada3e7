// k8tray: plays a shell restart to the running simulated program, for the end-to-end tests.
//   k8tray drop      the program's icon leaves the notification area, as when the shell ends
//   k8tray announce  the "TaskbarCreated" broadcast of a shell that has started again
// Exit status: 0 done, 1 no simulated program runs or the call failed, 2 bad command.
// `announce` returns once every top-level window has handled the broadcast.
// clang-format off
#include <windows.h>
#include <shellapi.h>  // needs windows.h first
// clang-format on

#include <cstdio>
#include <cstring>

#include "app/sim_channel.h"

namespace {

constexpr UINT kProgramIconId = 1;  // the only icon the program adds

struct DropSearch {
  DWORD process = 0;
  int dropped = 0;
};

BOOL CALLBACK dropIconOf(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<DropSearch*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != search.process) return TRUE;
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = window;
  data.uID = kProgramIconId;
  if (Shell_NotifyIconW(NIM_DELETE, &data)) ++search.dropped;
  return TRUE;
}

int drop() {
  const HWND control = FindWindowExW(HWND_MESSAGE, nullptr, k8::kSimControlClass, nullptr);
  if (!control) {
    std::fprintf(stderr, "k8tray: no simulated program runs\n");
    return 1;
  }
  DropSearch search;
  GetWindowThreadProcessId(control, &search.process);
  EnumWindows(&dropIconOf, reinterpret_cast<LPARAM>(&search));
  if (search.dropped == 0) {
    std::fprintf(stderr, "k8tray: the program has no icon to drop\n");
    return 1;
  }
  return 0;
}

int announce() {
  const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  DWORD_PTR result = 0;
  if (message == 0 ||
      !SendMessageTimeoutW(HWND_BROADCAST, message, 0, 0, SMTO_ABORTIFHUNG, 5000, &result)) {
    std::fprintf(stderr, "k8tray: the broadcast failed\n");
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "drop") == 0) return drop();
  if (argc == 2 && std::strcmp(argv[1], "announce") == 0) return announce();
  std::fprintf(stderr, "usage: k8tray drop | announce\n");
  return 2;
}
