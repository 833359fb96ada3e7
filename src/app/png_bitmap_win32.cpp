#include "app/png_bitmap_win32.h"

// clang-format off
#include <windows.h>
#include <objidl.h>  // GDI+ needs it, and WIN32_LEAN_AND_MEAN leaves it out
// clang-format on

#include <algorithm>
#include <memory>

namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

namespace k8 {

HBITMAP loadPngBitmap(const std::wstring& file, SIZE& size) {
  size = SIZE{0, 0};
  auto image = std::unique_ptr<Gdiplus::Bitmap>(Gdiplus::Bitmap::FromFile(file.c_str(), FALSE));
  if (!image || image->GetLastStatus() != Gdiplus::Ok) return nullptr;
  HBITMAP bitmap = nullptr;
  if (image->GetHBITMAP(Gdiplus::Color(0, 0, 0), &bitmap) != Gdiplus::Ok) return nullptr;
  size = SIZE{static_cast<LONG>(image->GetWidth()), static_cast<LONG>(image->GetHeight())};
  return bitmap;
}

}  // namespace k8
