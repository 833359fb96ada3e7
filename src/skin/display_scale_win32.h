#pragma once
// The display scale of a window, in dots per inch (96 is 100 %). The skinned windows lay out
// in 96-DPI units and scale at their edges to the window system: canvas, child controls, fonts
// and the points of mouse messages.

#include <windows.h>

#include <string>
#include <string_view>

#include "i18n/ui_fonts.h"

namespace k8 {

inline constexpr int kBaseDpi = 96;
// Asked of a sub-dialog's owner: its scale (0 from a window that does not answer it).
inline constexpr UINT kGetScaleMessage = WM_APP + 0x4B8;

// Above this, scales are taken as this: no monitor needs more, and images stay within limits.
inline constexpr int kMaxDpi = 4 * kBaseDpi;

// The window's DPI (GetDpiForWindow where the system has it, else the screen's LOGPIXELSX),
// within kBaseDpi..kMaxDpi.
int windowDpi(HWND window);

// The file of a skin image (`name` begins with "/") to draw at `dpi`: the skin's art for the
// smallest scale at or above it (folders named by percentage beside the 100 % images, "150",
// "200", ...), else the 100 % image; either is then redrawn at the size needed.
std::wstring skinArtPath(const std::wstring& folder, std::wstring_view name, int dpi);

// A UI font at `dpi` (its height scaled like every edge); the caller owns it.
HFONT createScaledUiFont(UiFont font, int dpi);

}  // namespace k8
