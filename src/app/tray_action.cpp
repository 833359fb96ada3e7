#include "app/tray_action.h"

namespace k8 {

TrayAction trayAction(unsigned mouseMessage, bool mousePresent) {
  switch (mouseMessage) {
    case kMsgLButtonUp:
    case kMsgLButtonDblClk: return mousePresent ? TrayAction::OpenWindow : TrayAction::WarnMissing;
    case kMsgRButtonUp: return TrayAction::ShowMenu;
    default: return TrayAction::None;
  }
}

}  // namespace k8
