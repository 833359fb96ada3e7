#pragma once
// The notification-area icon: one record kept for the window's life and reused for adding,
// balloons and removal.

// clang-format off
#include <windows.h>
#include <shellapi.h>  // needs windows.h first
// clang-format on

#include <string>

namespace k8 {

// The side in pixels of the system's small (tray, title bar) or large icons on `window`'s display:
// from the window's DPI where the system knows it, else the system-wide metric. The .ico holds an
// image for each size this gives at 100-400 %, so none is scaled.
int systemIconSize(HWND window, bool small);

class TrayIcon {
 public:
  TrayIcon() = default;
  ~TrayIcon() { remove(); }
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // Adds the icon with its tooltip and callback message.
  void add(HWND window, HICON icon, UINT callbackMessage, const std::wstring& tooltip);
  // Adds it again after the shell restarted (its icons are gone then).
  void readd();
  // Shows a balloon; the new one replaces what is on screen.
  void balloon(const std::wstring& title, const std::wstring& text, unsigned timeoutMs);
  void remove();

  // The one-entry menu at the cursor; returns after the menu closes (a choice arrives as
  // WM_COMMAND with `commandId`).
  static void showMenu(HWND owner, UINT commandId, const std::wstring& text);

 private:
  NOTIFYICONDATAW data_{};
};

}  // namespace k8
