// Device-interface notifications and the reader thread's way into the window.
#include "app/main_dialog_win32.h"
#include "app/resource_ids.h"
#include "device/device_broadcast_win32.h"
#include "sync/device_change.h"

namespace k8 {

namespace {

// {4D1E55B2-F16F-11CF-88CB-001111000030}
constexpr GUID kHidInterfaceClass = {
    0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

}  // namespace

bool CPexonDlg::startReader() {
  const HWND window = hwnd_;
  try {
    // The notice is handled on the UI thread as a sent message, but the reader does not wait
    // for it: the UI thread can then join the reader without handling anything first.
    reader_.emplace(link_, [window](const InputNotice& notice) {
      SendNotifyMessageW(window, WM_DEVICE_NOTICE, static_cast<WPARAM>(notice.kind), notice.value);
    });
    reader_->start();
  } catch (const std::exception&) {
    reader_.reset();
    return false;
  }
  return true;
}

void CPexonDlg::showDiscoveryProblems() {
  for (const std::wstring& text : link_.takeProblems()) messageBox(text);
}

bool CPexonDlg::registerDeviceNotifications() {
  DEV_BROADCAST_DEVICEINTERFACE_W filter{};
  filter.dbcc_size = sizeof filter;
  filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
  filter.dbcc_classguid = kHidInterfaceClass;
  deviceNotification_.reset(
      RegisterDeviceNotificationW(hwnd_, &filter, DEVICE_NOTIFY_WINDOW_HANDLE));
  return static_cast<bool>(deviceNotification_);
}

INT_PTR CPexonDlg::onDeviceChange(WPARAM wParam, LPARAM lParam) {
  const auto broadcast = readDeviceBroadcast(wParam, lParam);
  if (!broadcast) return setDialogResult(hwnd_, TRUE);
  const DeviceChangeReaction r =
      reactToDeviceChange(link_, broadcast->event, broadcast->interfacePath, deviceState_,
                          settings_.committed, options_.pause);
  if (r.tellMissing) {
    SendMessageW(hwnd_, WM_DEVICE_NOTICE, static_cast<WPARAM>(NoticeKind::MouseMissing), 0);
  }
  if (r.hideWindow) hideWindow();
  if (r.tellNotDelivered) {
    SendMessageW(hwnd_, WM_DEVICE_NOTICE, static_cast<WPARAM>(NoticeKind::SettingsNotDelivered), 0);
  }
  // Last: the message box's loop may run the next discovery, which must find this one done.
  showDiscoveryProblems();
  return setDialogResult(hwnd_, TRUE);
}

}  // namespace k8
