#pragma once
// Decodes a PNG (GDI+) into a bitmap the window owns.

#include <windows.h>

#include <string>

namespace k8 {

// The decoded image, or nullptr with a zero size when the file cannot be loaded.
HBITMAP loadPngBitmap(const std::wstring& file, SIZE& size);

}  // namespace k8
