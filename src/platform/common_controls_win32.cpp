#include "platform/common_controls_win32.h"

namespace k8 {
namespace {

struct CommonControls {
  decltype(&InitCommonControlsEx) init = nullptr;
  decltype(&SetWindowSubclass) setSubclass = nullptr;
  decltype(&RemoveWindowSubclass) removeSubclass = nullptr;
  decltype(&DefSubclassProc) defSubclass = nullptr;
};

template <typename Function>
void bind(HMODULE module, const char* name, Function& target) {
  target = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// Loaded once and kept for the life of the process.
const CommonControls& library() {
  static const CommonControls controls = [] {
    CommonControls c;
    const HMODULE module = LoadLibraryW(L"comctl32.dll");
    if (module == nullptr) return c;
    bind(module, "InitCommonControlsEx", c.init);
    bind(module, "SetWindowSubclass", c.setSubclass);
    bind(module, "RemoveWindowSubclass", c.removeSubclass);
    bind(module, "DefSubclassProc", c.defSubclass);
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
