#include "skin/mem_dc_win32.h"

namespace k8 {

CMemDC::CMemDC(HDC target, const RECT& rect) : target_(target), rect_(rect) {
  if (target_ == nullptr || GetDeviceCaps(target_, TECHNOLOGY) == DT_RASPRINTER) return;
  if (rect_.left == 0 && rect_.top == 0 && rect_.right == 0 && rect_.bottom == 0)
    GetClipBox(target_, &rect_);
  const int width = rect_.right - rect_.left;
  const int height = rect_.bottom - rect_.top;
  if (width <= 0 || height <= 0) return;
  memory_ = CreateCompatibleDC(target_);
  if (memory_ == nullptr) return;
  bitmap_.reset(CreateCompatibleBitmap(target_, width, height));
  if (!bitmap_) {
    DeleteDC(memory_);
    memory_ = nullptr;
    return;
  }
  previous_ = SelectObject(memory_, bitmap_.get());
  SetWindowOrgEx(memory_, rect_.left, rect_.top, nullptr);
  buffering_ = true;
}

CMemDC::~CMemDC() {
  if (!buffering_) return;
  BitBlt(target_, rect_.left, rect_.top, rect_.right - rect_.left, rect_.bottom - rect_.top,
         memory_, rect_.left, rect_.top, SRCCOPY);
  SelectObject(memory_, previous_);
  DeleteDC(memory_);
}

}  // namespace k8
