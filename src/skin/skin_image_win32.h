#pragma once
// Skin images: decoded from PNG with GDI+ into a DIB section, premultiplied when they carry alpha,
// and drawn with per-pixel alpha blending. The canvases keep what they decode until the window
// hides or the skin changes.

#include <windows.h>

#include <string>

#include "platform/handles_win32.h"

namespace k8 {

// GDI+ runs while at least one image object lives: the first image starts it, the last one
// shuts it down. The count and the token share one lock.
class ImageLibrary {
 public:
  static void acquire();
  static void release();
  static int liveImages();
  static bool running();
};

// Counts as a live image for its lifetime: a window that draws skin images often holds one so
// that GDI+ is not started and shut down around every single draw.
class ImageLibraryHold {
 public:
  ImageLibraryHold() { ImageLibrary::acquire(); }
  ~ImageLibraryHold() { ImageLibrary::release(); }
  ImageLibraryHold(const ImageLibraryHold&) = delete;
  ImageLibraryHold& operator=(const ImageLibraryHold&) = delete;
};

// One decoded image; counts towards the ImageLibrary while it lives.
class SkinImage {
 public:
  // Decoded at its own size, or redrawn at wantWidth x wantHeight when both are given.
  explicit SkinImage(const std::wstring& path, int wantWidth = 0, int wantHeight = 0);
  ~SkinImage();
  SkinImage(const SkinImage&) = delete;
  SkinImage& operator=(const SkinImage&) = delete;

  bool ok() const { return static_cast<bool>(bitmap_); }
  HBITMAP bitmap() const { return bitmap_.get(); }
  // Hands the DIB over (the main window keeps its "/main.png" this way).
  HBITMAP release() { return bitmap_.release(); }
  int width() const { return width_; }
  int height() const { return height_; }
  bool hasAlpha() const { return hasAlpha_; }

 private:
  UniqueBitmap bitmap_;
  int width_ = 0;
  int height_ = 0;
  bool hasAlpha_ = false;
};

// A copy of a bitmap of the same size and format (nullptr on failure).
HBITMAP copyBitmap(HBITMAP source);

inline constexpr wchar_t kLoadImageFailedText[] = L"LoadPng---Load image failed.";

}  // namespace k8
