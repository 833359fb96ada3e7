#include "app/tray_icon_win32.h"

#include <algorithm>

#include "platform/handles_win32.h"
#include "platform/modal_windows.h"
#include "platform/system_library_win32.h"

namespace k8 {

namespace {

constexpr UINT kIconId = 1;

template <std::size_t N>
void copyText(wchar_t (&target)[N], const std::wstring& text) {
  const std::size_t n = std::min(text.size(), N - 1);
  std::copy_n(text.data(), n, target);
  target[n] = L'\0';
}

// The shell is loaded, not imported: under Wine, which has no list of libraries it always maps from
// the system folder, an import drags the shell's own imports in from beside the program.
BOOL notifyIcon(DWORD message, NOTIFYICONDATAW* data) {
  return K8_SYSTEM_CALL(L"shell32.dll", Shell_NotifyIconW, FALSE, message, data);
}

}  // namespace

int systemIconSize(HWND window, bool small) {
  // Windows 10 1607 and later; older systems scale the system metrics themselves.
  using ForDpi = int(WINAPI*)(int, UINT);
  using DpiOf = UINT(WINAPI*)(HWND);
  static const auto metricForDpi = systemFunction<ForDpi>(L"user32.dll", "GetSystemMetricsForDpi");
  static const auto dpiOf = systemFunction<DpiOf>(L"user32.dll", "GetDpiForWindow");
  const int index = small ? SM_CXSMICON : SM_CXICON;
  const UINT dpi = dpiOf != nullptr && window != nullptr ? dpiOf(window) : 0;
  const int size = metricForDpi != nullptr && dpi != 0 ? metricForDpi(index, dpi) : 0;
  return size > 0 ? size : GetSystemMetrics(index);
}

void TrayIcon::add(HWND window, HICON icon, UINT callbackMessage, const std::wstring& tooltip) {
  data_ = NOTIFYICONDATAW{};
  data_.cbSize = sizeof data_;
  data_.hWnd = window;
  data_.uID = kIconId;
  data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data_.uCallbackMessage = callbackMessage;
  data_.hIcon = icon;
  copyText(data_.szTip, tooltip);
  notifyIcon(NIM_ADD, &data_);
}

void TrayIcon::readd() {
  if (data_.hWnd == nullptr) return;
  NOTIFYICONDATAW again = data_;
  again.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  notifyIcon(NIM_ADD, &again);
}

void TrayIcon::balloon(const std::wstring& title, const std::wstring& text, unsigned timeoutMs) {
  if (data_.hWnd == nullptr) return;
  data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO;
  copyText(data_.szInfo, text);
  copyText(data_.szInfoTitle, title);
  data_.uTimeout = timeoutMs;
  data_.dwInfoFlags = NIIF_INFO;
  notifyIcon(NIM_MODIFY, &data_);
}

void TrayIcon::remove() {
  if (data_.hWnd == nullptr) return;
  notifyIcon(NIM_DELETE, &data_);
  data_.hWnd = nullptr;
}

void TrayIcon::showMenu(HWND owner, UINT commandId, const std::wstring& text) {
  POINT at{};
  GetCursorPos(&at);
  UniqueMenu menu(CreatePopupMenu());
  if (!menu) return;
  AppendMenuW(menu.get(), MF_STRING, commandId, text.c_str());
  SetForegroundWindow(owner);
  const ModalWindow modal;
  TrackPopupMenu(menu.get(), TPM_RIGHTBUTTON | TPM_BOTTOMALIGN, at.x, at.y, 0, owner, nullptr);
  // Lets the menu close properly when the user clicks elsewhere.
  PostMessageW(owner, WM_NULL, 0, 0);
}

}  // namespace k8
