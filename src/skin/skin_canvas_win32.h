#pragma once
// Canvas over a bitmap that a window keeps (the main window's back buffer, a sub-dialog's
// background): images and texts go into the bitmap, present copies it to the window.

#include <windows.h>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "pages/canvas.h"
#include "platform/handles_win32.h"
#include "skin/skin_image_win32.h"

namespace k8 {

class SkinCanvas : public Canvas {
 public:
  SkinCanvas(HWND window, std::wstring skinFolder)
      : window_(window), folder_(std::move(skinFolder)) {}

  // No bitmap: nothing is drawn and nothing presented.
  void setBitmap(HBITMAP bitmap) {
    bitmap_ = bitmap;
    wholeDirty_ = true;
  }
  void setWindow(HWND window) { window_ = window; }
  // A base kept elsewhere (a sub-dialog's pristine background).
  void setBase(HBITMAP base) {
    ownedBase_.reset();
    forgetImageBase();
    base_ = base;
  }
  // Lets every decoded image go (a hidden window keeps only its back buffer); they are decoded
  // again when next drawn.
  void dropImages() {
    forgetImageBase();
    images_.clear();
  }
  // A new skin: the images decoded from the old one are dropped.
  void setSkinFolder(std::wstring folder) {
    if (folder != folder_) {
      dropImages();
      sizes_.clear();
    }
    folder_ = std::move(folder);
  }
  // Positions and sizes come in 96-DPI units and are drawn at `dpi`; a new scale drops the
  // images made for the old one.
  void setDpi(int dpi) {
    if (dpi != dpi_) dropImages();
    dpi_ = dpi;
  }
  int dpi() const { return dpi_; }
  void setFonts(HFONT normal, HFONT bold) {
    normal_ = normal;
    bold_ = bold;
  }
  void setTextColour(COLORREF colour) { textColour_ = colour; }
  // Set by the sub-dialogs: a failed image is reported (their message box).
  void setImageFailure(std::function<void()> onFailure) { onFailure_ = std::move(onFailure); }

  bool drawImage(std::wstring_view name, int x, int y) override;
  void drawText(std::wstring_view text, Rect rect, FontKind font, TextAlign align) override;
  // Also lets the decoded page background go: what later draws need of it is kept in patches.
  // Only what was drawn since the last present is copied (everything when nothing was).
  void present() override;
  void keepAsBase() override;
  // The decoded background itself is the base: no copy of the whole window is made.
  bool drawBackground(std::wstring_view name) override;
  bool drawImageOnBase(std::wstring_view name, int x, int y) override;
  // The bitmap onto a context the caller has (WM_ERASEBKGND, WM_PAINT).
  void presentTo(HDC target) const { presentTo(target, {}); }

 private:
  HWND window_;
  std::wstring folder_;
  HBITMAP bitmap_ = nullptr;
  HBITMAP base_ = nullptr;
  UniqueBitmap ownedBase_;
  bool baseIsImage_ = false;  // base_ is a decoded image of images_
  std::wstring background_;   // name of the page background last drawn
  int dpi_ = 96;
  HFONT normal_ = nullptr;
  HFONT bold_ = nullptr;
  COLORREF textColour_ = RGB(0, 255, 0);
  std::function<void()> onFailure_;
  // Each image is decoded once per skin (null: it could not be decoded; not tried again).
  // At another scale than 96 DPI they are kept under their name and drawn size.
  std::map<std::wstring, std::unique_ptr<SkinImage>, std::less<>> images_;
  // Each image's own size, from which its size at a scale follows ({0, 0}: no such image).
  std::map<std::wstring, SIZE, std::less<>> sizes_;
  // The pieces of the page background that drawImageOnBase restores ({x, y, width, height}),
  // cut out of it while it was decoded. They stand in for the window-sized background once it
  // is let go; a piece not yet cut decodes the background again.
  std::map<std::array<int, 4>, UniqueBitmap> patches_;

  // Contexts kept for the canvas's life: making three of them for every image cost more than
  // the drawing. Bitmaps are selected into them only for the length of one call.
  MemoryDc target_{nullptr};
  MemoryDc source_{nullptr};

  // The image drawn with its top left at (x, y) in 96-DPI units, at the canvas's scale.
  const SkinImage* image(std::wstring_view name, int x, int y);
  std::wstring imageKey(std::wstring_view name, int x, int y);
  // image(), reporting a failure to the dialogs' handler.
  const SkinImage* imageOrReport(std::wstring_view name, int x, int y);
  // Makes the decoded page background the base when it is opaque; false otherwise.
  bool baseFromBackground();
  void forgetImageBase() {
    if (baseIsImage_) base_ = nullptr;
    baseIsImage_ = false;
    patches_.clear();
  }
  // Lets the decoded page background go; its patches stay.
  void releaseBackground();
  // The kept piece of the decoded page background at that rectangle, cut now if need be; null
  // when the background cannot be had.
  HBITMAP patch(int x, int y, int width, int height);
  // Restores a rectangle of the target from the base (or its patch).
  void restoreBase(int x, int y, int width, int height);
  bool blend(const SkinImage& image, int x, int y);
  // The part of the bitmap (in pixels) drawn since the last present; all of it after a new
  // bitmap, or when nothing was drawn.
  Rect dirty_;
  bool wholeDirty_ = true;
  void touched(Rect pixels);
  // `part` of the bitmap (all of it when empty) onto the target.
  void presentTo(HDC target, Rect part) const;
};

}  // namespace k8
