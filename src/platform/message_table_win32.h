#pragma once
// Message tables: each window class lists {message, control id, notification, handler} rows,
// and one dispatcher walks them. Rows for WM_COMMAND match the control id and notification
// code; kAny matches every value.

#include <windows.h>

#include <span>

namespace k8 {

inline constexpr int kAny = -1;

// The handler's return is the dialog procedure's: TRUE when handled. A handler that must give
// the message a result value sets it with setDialogResult().
template <class Window>
struct MessageRow {
  UINT message;
  int controlId;
  int notification;
  INT_PTR (Window::*handler)(WPARAM wParam, LPARAM lParam);
};

template <class Window>
bool dispatchMessage(Window& window, std::span<const MessageRow<Window>> table, UINT message,
                     WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  for (const auto& row : table) {
    if (row.message != message) continue;
    if (message == WM_COMMAND) {
      if (row.controlId != kAny && row.controlId != LOWORD(wParam)) continue;
      if (row.notification != kAny && row.notification != HIWORD(wParam)) continue;
    }
    result = (window.*row.handler)(wParam, lParam);
    return true;
  }
  return false;
}

// For messages whose result is not the TRUE/FALSE of a dialog procedure.
inline INT_PTR setDialogResult(HWND dialog, LRESULT value) {
  SetWindowLongPtrW(dialog, DWLP_MSGRESULT, value);
  return TRUE;
}

}  // namespace k8
