#pragma once
// Hot-tracking of list boxes, one way for every window: a list's mouse moves reach its parent as
// one private message that the parent's message table hands to its rule.

#include <windows.h>

namespace k8 {

// Sent to the list's parent for each mouse move over it: wParam the list's control id, lParam the
// point in the list's client pixels (as WM_MOUSEMOVE has it).
inline constexpr UINT WM_LIST_MOUSE = WM_APP + 0x20;

enum class ListWheel { Own, ToParent };

// Subclasses `list` by hand: the list is the system's own class, and the common-controls library
// would be loaded for this alone. ToParent sends the list's wheel to its parent instead.
void forwardListMouse(HWND list, ListWheel wheel = ListWheel::Own);

}  // namespace k8
