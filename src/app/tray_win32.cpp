// The notification-area icon's callback, its menu and the balloon notices.
#include "app/main_dialog_win32.h"
#include "app/resource_ids.h"
#include "i18n/notice.h"
#include "skin/skin_image_win32.h"

namespace k8 {

INT_PTR CPexonDlg::onTrayCallback(WPARAM, LPARAM lParam) {
  switch (trayAction(static_cast<unsigned>(lParam), link_.mousePresent())) {
    case TrayAction::None: break;
    case TrayAction::WarnMissing:
      SendMessageW(hwnd_, WM_DEVICE_NOTICE, static_cast<WPARAM>(NoticeKind::MouseMissing), 0);
      break;
    case TrayAction::OpenWindow:
      if (pages_) pages_->beforeShow();
      // Without its background image (the skin's main.png undecodable, or the system's image
      // library missing) the window would have no size: it says so as a sub-dialog does, and the
      // program stays in the notification area.
      if (!backBuffer_) {
        messageBox(kLoadImageFailedText);
        break;
      }
      showWindow();
      break;
    case TrayAction::ShowMenu: TrayIcon::showMenu(hwnd_, ID_TRAY_EXIT, strings_.exit); break;
  }
  return TRUE;
}

INT_PTR CPexonDlg::onDeviceNotice(WPARAM wParam, LPARAM lParam) {
  // Any process may send this message: kinds beyond a byte are nobody's notice.
  if (wParam > 0xFF) return setDialogResult(hwnd_, 0);
  const auto notice = noticeText(static_cast<NoticeKind>(wParam), static_cast<std::int64_t>(lParam),
                                 language_, deviceState_.sensorType, settings_.working);
  if (notice) {
    journal({L"notice", notice->title, notice->text});
    tray_.balloon(notice->title, notice->text, notice->timeoutMs);
  }
  return setDialogResult(hwnd_, 0);
}

INT_PTR CPexonDlg::onTrayExit(WPARAM, LPARAM) { exitProgram(); }

void CPexonDlg::onTaskbarCreated() { tray_.readd(); }

}  // namespace k8
