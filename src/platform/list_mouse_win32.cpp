#include "platform/list_mouse_win32.h"

namespace k8 {
namespace {

// The list class's own procedure is kept in the list's user data.
LRESULT passOn(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto own = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(list, GWLP_USERDATA));
  return own != nullptr ? CallWindowProcW(own, list, message, wParam, lParam)
                        : DefWindowProcW(list, message, wParam, lParam);
}

LRESULT CALLBACK listProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MOUSEMOVE) {
    if (HWND parent = GetParent(list))
      SendMessageW(parent, WM_LIST_MOUSE, static_cast<WPARAM>(GetDlgCtrlID(list)), lParam);
    // The parent's rule may have destroyed the list.
    if (!IsWindow(list)) return 0;
  }
  return passOn(list, message, wParam, lParam);
}

LRESULT CALLBACK wheelToParentProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MOUSEWHEEL) {
    HWND parent = GetParent(list);
    return parent != nullptr ? SendMessageW(parent, message, wParam, lParam) : 0;
  }
  return listProc(list, message, wParam, lParam);
}

}  // namespace

void forwardListMouse(HWND list, ListWheel wheel) {
  if (list == nullptr) return;
  const WNDPROC proc = wheel == ListWheel::ToParent ? &wheelToParentProc : &listProc;
  const LONG_PTR own = GetWindowLongPtrW(list, GWLP_WNDPROC);
  SetWindowLongPtrW(list, GWLP_USERDATA, own);
  SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
}

}  // namespace k8
