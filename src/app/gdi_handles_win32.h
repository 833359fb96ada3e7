#pragma once
// Small owners for the GDI and kernel handles the shell keeps.

#include <windows.h>

#include <utility>

namespace k8 {

template <class H, class Traits>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(H h) : h_(h) {}
  ~UniqueHandle() { reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : h_(std::exchange(other.h_, Traits::empty())) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(std::exchange(other.h_, Traits::empty()));
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  H get() const { return h_; }
  explicit operator bool() const { return h_ != Traits::empty(); }
  H release() { return std::exchange(h_, Traits::empty()); }
  void reset(H h = Traits::empty()) {
    if (h_ != Traits::empty()) Traits::close(h_);
    h_ = h;
  }

 private:
  H h_ = Traits::empty();
};

struct GdiObjectTraits {
  static HGDIOBJ empty() { return nullptr; }
  static void close(HGDIOBJ h) { DeleteObject(h); }
};
struct FontTraits {
  static HFONT empty() { return nullptr; }
  static void close(HFONT h) { DeleteObject(h); }
};
struct BitmapTraits {
  static HBITMAP empty() { return nullptr; }
  static void close(HBITMAP h) { DeleteObject(h); }
};
struct IconTraits {
  static HICON empty() { return nullptr; }
  static void close(HICON h) { DestroyIcon(h); }
};
struct MenuTraits {
  static HMENU empty() { return nullptr; }
  static void close(HMENU h) { DestroyMenu(h); }
};
struct KernelHandleTraits {
  static HANDLE empty() { return nullptr; }
  static void close(HANDLE h) { CloseHandle(h); }
};

using UniqueFont = UniqueHandle<HFONT, FontTraits>;
using UniqueBitmap = UniqueHandle<HBITMAP, BitmapTraits>;
using UniqueIcon = UniqueHandle<HICON, IconTraits>;
using UniqueMenu = UniqueHandle<HMENU, MenuTraits>;
using UniqueKernelHandle = UniqueHandle<HANDLE, KernelHandleTraits>;

}  // namespace k8
