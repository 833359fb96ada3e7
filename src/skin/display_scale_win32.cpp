#include "skin/display_scale_win32.h"

#include <algorithm>

#include "i18n/ui_fonts_win32.h"
#include "pages/layout_table.h"
#include "platform/handles_win32.h"

namespace k8 {

int windowDpi(HWND window) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  // Found at run time: older systems do not have it.
  static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  int dpi = 0;
  if (getDpiForWindow != nullptr && window != nullptr)
    dpi = static_cast<int>(getDpiForWindow(window));
  if (dpi <= 0) {
    const WindowDc screen(nullptr);
    dpi = screen.get() != nullptr ? GetDeviceCaps(screen.get(), LOGPIXELSX) : kBaseDpi;
  }
  return std::clamp(dpi, kBaseDpi, kMaxDpi);
}

HFONT createScaledUiFont(UiFont font, int dpi) {
  font.height = layout::scaled(font.height, dpi);
  return createUiFont(font);
}

}  // namespace k8
