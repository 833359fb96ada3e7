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

std::wstring skinArtPath(const std::wstring& folder, std::wstring_view name, int dpi) {
  // The scales a skin may carry art for.
  static constexpr int kPercents[] = {125, 150, 175, 200, 225, 250, 300, 350, 400};
  if (dpi > kBaseDpi) {
    for (const int percent : kPercents) {
      if (percent * kBaseDpi < dpi * 100) continue;
      std::wstring path = folder + L'/' + std::to_wstring(percent) + std::wstring(name);
      if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return path;
    }
  }
  return folder + std::wstring(name);
}

HFONT createScaledUiFont(UiFont font, int dpi) {
  font.height = layout::scaled(font.height, dpi);
  return createUiFont(font);
}

}  // namespace k8
