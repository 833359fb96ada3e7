// The memory baseline: the smallest notification-area program that also starts GDI+ and decodes
// a skin's main.png into a bitmap, and does nothing else. bench/memory_bench.sh compares the
// program with it.
//   tray_baseline.exe PNG_FILE
// clang-format off
#include <windows.h>
#include <objidl.h>  // GDI+ needs it, and WIN32_LEAN_AND_MEAN leaves it out
#include <shellapi.h>
// clang-format on

#include <algorithm>

namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

namespace {

constexpr UINT kTrayCallback = WM_APP + 1;

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  ULONG_PTR gdiplus = 0;
  Gdiplus::GdiplusStartupInput input;
  Gdiplus::GdiplusStartup(&gdiplus, &input, nullptr);
  HBITMAP bitmap = nullptr;
  {
    Gdiplus::Bitmap image(commandLine);
    if (image.GetLastStatus() == Gdiplus::Ok) image.GetHBITMAP(Gdiplus::Color(0, 0, 0), &bitmap);
  }
  if (!bitmap) return 2;

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"K8TrayBaseline";
  RegisterClassW(&windowClass);
  const HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, nullptr,
                                      nullptr, instance, nullptr);
  NOTIFYICONDATAW icon{};
  icon.cbSize = sizeof icon;
  icon.hWnd = window;
  icon.uID = 1;
  icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  icon.uCallbackMessage = kTrayCallback;
  icon.hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512));  // IDI_APPLICATION
  lstrcpynW(icon.szTip, L"baseline", 64);
  Shell_NotifyIconW(NIM_ADD, &icon);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  Shell_NotifyIconW(NIM_DELETE, &icon);
  DeleteObject(bitmap);
  Gdiplus::GdiplusShutdown(gdiplus);
  return 0;
}
