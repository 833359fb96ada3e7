#pragma once
// What a mouse message over the notification-area icon asks for.

namespace k8 {

enum class TrayAction { None, OpenWindow, WarnMissing, ShowMenu };

inline constexpr unsigned kMsgLButtonUp = 0x0202;
inline constexpr unsigned kMsgLButtonDblClk = 0x0203;
inline constexpr unsigned kMsgRButtonUp = 0x0205;

// A left click or double click opens the window, or repeats the warning while the mouse is
// missing; releasing the right button opens the menu; everything else is ignored.
TrayAction trayAction(unsigned mouseMessage, bool mousePresent);

}  // namespace k8
