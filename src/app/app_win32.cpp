// CPexonApp: the window class, the main window and its message loop. GDI+ is the skin images'
// (ImageLibrary): the main window holds it while it can draw.
#include <windows.h>

#include "app/main_dialog_win32.h"
#include "platform/pause_win32.h"
#include "platform/system_library_win32.h"

namespace k8 {

namespace {

class CPexonApp {
 public:
  explicit CPexonApp(HINSTANCE instance) : instance_(instance) {}

  bool initInstance() {
    // No common controls to initialise: the windows use the system's basic control classes.
    // The system dialog class under the program's own name.
    WNDCLASSW windowClass{};
    if (!GetClassInfoW(nullptr, MAKEINTRESOURCEW(0x8002), &windowClass)) return false;
    windowClass.lpszClassName = kWindowClass;
    windowClass.hInstance = instance_;
    if (!RegisterClassW(&windowClass)) return false;
    return true;
  }

  int run(const ProgramOptions& options) {
    CPexonDlg dialog(instance_, options);
    if (!dialog.create()) return 0;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
      if (dialog.preTranslate(msg)) continue;
      if (IsDialogMessageW(dialog.hwnd(), &msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
  }

 private:
  HINSTANCE instance_;
};

}  // namespace

int runProgram(HINSTANCE instance, const ProgramOptions& options) {
  restrictLibrarySearch();  // before anything can ask the system for a library by name
  installFineTimer();       // every path that sends to the mouse asks for it while it runs
  CPexonApp app(instance);
  if (!app.initInstance()) return 0;
  const int code = app.run(options);
  // The window and its reader thread are gone; end the process here, as the exit paths do.
  ExitProcess(static_cast<UINT>(code));
}

}  // namespace k8
