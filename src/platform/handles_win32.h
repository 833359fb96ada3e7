#pragma once
// The owners of the program's operating-system handles: kernel objects, files, GDI objects and
// memory contexts, icons, menus, hooks and device notifications. Each closes its handle on every
// path; WindowDc and SelectedObject borrow for one scope and give back.

#include <windows.h>

#include <utility>

namespace k8 {

// Owns one handle; `Traits` says which value is empty and how the handle is closed.
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

namespace handle_traits {
// A handle that is empty as nullptr and closed by `Close`.
template <class H, auto Close>
struct ClosedBy {
  static H empty() { return nullptr; }
  static void close(H h) { Close(h); }
};
template <class H>
using GdiObject = ClosedBy<H, &DeleteObject>;  // HBITMAP, HBRUSH, HFONT
using MemoryDc = ClosedBy<HDC, &DeleteDC>;
using Icon = ClosedBy<HICON, &DestroyIcon>;
using Menu = ClosedBy<HMENU, &DestroyMenu>;
using Kernel = ClosedBy<HANDLE, &CloseHandle>;  // events, mutexes, threads
using Hook = ClosedBy<HHOOK, &UnhookWindowsHookEx>;
using DeviceNotification = ClosedBy<HDEVNOTIFY, &UnregisterDeviceNotification>;
struct File {  // CreateFileW fails with INVALID_HANDLE_VALUE, not nullptr
  static HANDLE empty() { return INVALID_HANDLE_VALUE; }
  static void close(HANDLE h) { CloseHandle(h); }
};
}  // namespace handle_traits

using UniqueBitmap = UniqueHandle<HBITMAP, handle_traits::GdiObject<HBITMAP>>;
using UniqueBrush = UniqueHandle<HBRUSH, handle_traits::GdiObject<HBRUSH>>;
using UniqueFont = UniqueHandle<HFONT, handle_traits::GdiObject<HFONT>>;
using UniqueIcon = UniqueHandle<HICON, handle_traits::Icon>;
using UniqueMenu = UniqueHandle<HMENU, handle_traits::Menu>;
using UniqueKernelHandle = UniqueHandle<HANDLE, handle_traits::Kernel>;
using UniqueFile = UniqueHandle<HANDLE, handle_traits::File>;
using UniqueHook = UniqueHandle<HHOOK, handle_traits::Hook>;
using UniqueDeviceNotification = UniqueHandle<HDEVNOTIFY, handle_traits::DeviceNotification>;

// A memory context compatible with `compatibleWith` (CreateCompatibleDC / DeleteDC).
class MemoryDc : public UniqueHandle<HDC, handle_traits::MemoryDc> {
 public:
  explicit MemoryDc(HDC compatibleWith) : UniqueHandle(CreateCompatibleDC(compatibleWith)) {}
};

// A window's context for one scope (GetDC / ReleaseDC).
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a context for one scope and puts the previous one back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object)
      : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
  ~SelectedObject() {
    if (ok()) SelectObject(dc_, old_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  bool ok() const { return old_ != nullptr && old_ != HGDI_ERROR; }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace k8
