#pragma once
// Helpers of the skin tests: fixture paths and a 32-bit target bitmap whose pixels can be read.

#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/handles_win32.h"
#include "platform/text.h"
#include "skin/skin_image_win32.h"

namespace k8::testing {

// The fixtures folder as a Windows path (Wine maps the Unix root to drive Z:).
inline std::wstring skinData(const std::wstring& name = L"") {
  std::wstring root = fromUtf8(K8_SOURCE_DIR) + L"/tests/win32/skin_data";
  if (!root.empty() && root[0] == L'/') root = L"Z:" + root;
  return root + name;
}

struct Rgb {
  int r, g, b;
  bool operator==(const Rgb&) const = default;
};

// A top-down 32-bit DIB filled with one colour, selected into its own memory context.
class TargetBitmap {
 public:
  TargetBitmap(int width, int height, Rgb fill) : width_(width), dc_(nullptr) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    pixels_ = static_cast<std::uint8_t*>(bits);
    for (int i = 0; i < width * height; ++i) {
      pixels_[4 * i] = static_cast<std::uint8_t>(fill.b);
      pixels_[4 * i + 1] = static_cast<std::uint8_t>(fill.g);
      pixels_[4 * i + 2] = static_cast<std::uint8_t>(fill.r);
      pixels_[4 * i + 3] = 255;
    }
    old_ = SelectObject(dc_.get(), bitmap_.get());
  }
  ~TargetBitmap() { SelectObject(dc_.get(), old_); }
  HDC dc() const { return dc_.get(); }
  Rgb at(int x, int y) const {
    GdiFlush();
    const std::uint8_t* p = pixels_ + 4 * (y * width_ + x);
    return {p[2], p[1], p[0]};
  }

 private:
  int width_;
  MemoryDc dc_;
  UniqueBitmap bitmap_;
  std::uint8_t* pixels_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

// Windows need a display (under Wine: an X server); without one the window tests skip.
inline bool canMakeWindows() {
  HWND probe =
      CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  if (probe == nullptr) return false;
  DestroyWindow(probe);
  return true;
}

inline Rgb pixelOf(HBITMAP bitmap, int x, int y) {
  const MemoryDc dc(nullptr);
  const SelectedObject select(dc.get(), bitmap);
  const COLORREF c = GetPixel(dc.get(), x, y);
  return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

// Draws a decoded image at (x, y) as the canvases do: blended when it has alpha, copied otherwise.
inline bool drawDecodedImage(HDC target, const SkinImage& image, int x, int y) {
  if (!image.ok() || target == nullptr) return false;
  const MemoryDc memory(target);
  const SelectedObject select(memory.get(), image.bitmap());
  if (!select.ok()) return false;
  if (image.hasAlpha()) {
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    return GdiAlphaBlend(target, x, y, image.width(), image.height(), memory.get(), 0, 0,
                         image.width(), image.height(), blend) != FALSE;
  }
  return StretchBlt(target, x, y, image.width(), image.height(), memory.get(), 0, 0, image.width(),
                    image.height(), SRCCOPY) != FALSE;
}

}  // namespace k8::testing
