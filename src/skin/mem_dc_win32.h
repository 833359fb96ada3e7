#pragma once
// CMemDC: off-screen drawing over a rectangle of a target context; its end copies the result to
// the target in one BitBlt. A printing context is drawn straight into.

#include <windows.h>

#include "platform/handles_win32.h"

namespace k8 {

class CMemDC {
 public:
  // An empty rectangle (all zeros) means the target's clip box.
  CMemDC(HDC target, const RECT& rect = RECT{0, 0, 0, 0});
  ~CMemDC();
  CMemDC(const CMemDC&) = delete;
  CMemDC& operator=(const CMemDC&) = delete;

  // Where to draw: the memory context, or the target itself when not buffering.
  HDC dc() const { return buffering_ ? memory_ : target_; }
  operator HDC() const { return dc(); }
  bool buffering() const { return buffering_; }
  const RECT& rect() const { return rect_; }

 private:
  HDC target_;
  RECT rect_{};
  HDC memory_ = nullptr;
  UniqueBitmap bitmap_;
  HGDIOBJ previous_ = nullptr;
  bool buffering_ = false;
};

}  // namespace k8
