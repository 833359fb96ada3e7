#include "platform/common_controls_win32.h"

#include "platform/system_library_win32.h"

namespace k8 {
namespace {

struct CommonControls {
  decltype(&InitCommonControlsEx) init = nullptr;
  decltype(&SetWindowSubclass) setSubclass = nullptr;
  decltype(&RemoveWindowSubclass) removeSubclass = nullptr;
  decltype(&DefSubclassProc) defSubclass = nullptr;
};

// Loaded once and kept for the life of the process.
const CommonControls& library() {
  static const CommonControls controls = [] {
    CommonControls c;
    constexpr const wchar_t* kLibrary = L"comctl32.dll";
    c.init = systemFunction<decltype(c.init)>(kLibrary, "InitCommonControlsEx");
    // The subclass functions are exported by name since version 5.8 and by these ordinals
    // before that; the system's own version (no manifest asks for 6) may be either.
    const auto subclassFunction = [&]<typename F>(F& to, const char* name, WORD ordinal) {
      to = systemFunction<F>(kLibrary, name);
      if (to == nullptr) to = systemFunction<F>(kLibrary, MAKEINTRESOURCEA(ordinal));
    };
    subclassFunction(c.setSubclass, "SetWindowSubclass", 410);
    subclassFunction(c.removeSubclass, "RemoveWindowSubclass", 412);
    subclassFunction(c.defSubclass, "DefSubclassProc", 413);
    if (c.init) {
      INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
      c.init(&classes);
    }
    return c;
  }();
  return controls;
}

}  // namespace

bool ensureCommonControls() { return library().init != nullptr; }

bool setWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data) {
  const auto& c = library();
  return c.setSubclass && c.setSubclass(window, procedure, id, data);
}

bool removeWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id) {
  const auto& c = library();
  return c.removeSubclass && c.removeSubclass(window, procedure, id);
}

LRESULT defSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto& c = library();
  return c.defSubclass ? c.defSubclass(window, message, wParam, lParam)
                       : DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace k8
