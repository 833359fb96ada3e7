// The main window's pages until the page code takes over: the skin's main image as the whole
// client area, and a click anywhere drags the window.
#include "app/main_window_pages_win32.h"

#include "app/main_dialog_win32.h"
#include "app/skinned_pages_win32.h"
#include "device/hot_plug.h"

namespace k8 {

namespace {

void present(CPexonDlg& window, HDC target) {
  if (!window.backBuffer()) return;
  HDC memory = CreateCompatibleDC(target);
  const HGDIOBJ old = SelectObject(memory, window.backBuffer());
  const SIZE size = window.backBufferSize();
  BitBlt(target, 0, 0, size.cx, size.cy, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
}

class BackBufferPages : public MainWindowPages {
 public:
  explicit BackBufferPages(CPexonDlg& window) : window_(window) {}

  void showBasicPage() override {
    if (basicShown_) return;
    basicShown_ = true;
    // The first visit of the Basic page reads the sensor settings and writes them back.
    exchangeSensorSettings(window_.link(), window_.deviceState(), window_.pause());
    window_.captions().applyFirstRunDefaults(window_.settings().firstRunFlag);
  }

  void beforeShow() override { showBasicPage(); }

  bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override {
    switch (message) {
      case WM_ERASEBKGND:
        present(window_, reinterpret_cast<HDC>(wParam));
        result = setDialogResult(window_.hwnd(), TRUE);
        return true;
      case WM_PAINT: {
        if (IsIconic(window_.hwnd())) return false;
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window_.hwnd(), &ps);
        present(window_, dc);
        EndPaint(window_.hwnd(), &ps);
        result = TRUE;
        return true;
      }
      case WM_LBUTTONDOWN:
        PostMessageW(window_.hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, lParam);
        result = TRUE;
        return true;
      default: return false;
    }
  }

 private:
  CPexonDlg& window_;
  bool basicShown_ = false;
};

}  // namespace

std::unique_ptr<MainWindowPages> createMainWindowPages(CPexonDlg& window) {
  return createSkinnedPages(window);
}

}  // namespace k8
