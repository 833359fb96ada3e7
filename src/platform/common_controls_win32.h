#pragma once
// The common-controls library, loaded on first use instead of imported: under Wine, importing it
// costs every process about 2 MB of private memory at start-up, and the program needs it only
// when a sub-dialog subclasses its drop list (or a page creates a common control).

// clang-format off
#include <windows.h>
#include <commctrl.h>  // needs windows.h first
// clang-format on

namespace k8 {

// Loads the library (the system's own version: the manifest asks for none) and registers its
// window classes; true when it is there. Call before creating a common control.
bool ensureCommonControls();

// As SetWindowSubclass, RemoveWindowSubclass and DefSubclassProc; they load the library first.
bool setWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data);
bool removeWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id);
LRESULT defSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace k8
