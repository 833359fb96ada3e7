// What the main window's common buttons do.
#include <utility>

#include "app/main_dialog_win32.h"
#include "app/resource_ids.h"
#include "app/skinned_pages_win32.h"
#include "device/transport.h"
#include "settings/apply.h"
#include "settings/config_file.h"
#include "skin/skinned_dialog_win32.h"

namespace k8 {

bool SkinnedPages::mousePresent() const { return window_.link().mousePresent(); }

void SkinnedPages::applyAndCommit() {
  Transport transport(window_.link().feature(), window_.link().featureLengths(), window_.pause());
  CommandSet commands(transport, window_.deviceState());
  const std::wstring title = programFilePath().stem().wstring();
  ProgramPersistence persistence(
      [this, &title](const MouseSettings& s) {
        if (saveSettings(s, window_.paths().configBin, title,
                         [this](const std::wstring& text, const std::wstring& caption) {
                           window_.messageBox(text, caption);
                         }))
          window_.settings().firstRunFlag = 1;
      },
      captions_);
  const bool delivered = applySettings(window_.settings().working, commands, persistence);
  window_.settings().commit();
  // Kept and saved all the same; the next connection of the mouse sends them again.
  if (!delivered) {
    SendMessageW(window_.hwnd(), WM_DEVICE_NOTICE,
                 static_cast<WPARAM>(NoticeKind::SettingsNotDelivered), 0);
  }
  // The system pointer settings of the Advanced page are written here once that page exists.
}

void SkinnedPages::revertAndMarkCancel() {
  window_.settings().revert();
  cancelPending_ = true;
}

void SkinnedPages::hideWindow() { window_.hideWindow(); }

bool SkinnedPages::runSkinsDialog() {
  // Until the skins dialog exists: its skinned frame with OK and Cancel.
  const auto colour = window_.textColor();
  SkinnedDialog dialog(
      {window_.skinFolder(), window_.languageCode(), RGB(colour[0], colour[1], colour[2]),
       programFilePath().stem().wstring()},
      {L"/skins.png", L"Skins Dialog Load background image failed!!!", 560, 562, 266, true});
  dialogRan_ = true;
  return dialog.runModal(window_.hwnd()) == IDOK;
}

void SkinnedPages::bringToFront() { window_.showWindow(); }

void SkinnedPages::closeProgram() { window_.exitProgram(); }

void SkinnedPages::startDrag(Point p) {
  // A click that hid the window, or that ran a dialog (whose own clicks took the button),
  // would leave the system moving the window with no button held down.
  const bool dialogRan = std::exchange(dialogRan_, false);
  if (dialogRan || !IsWindowVisible(window_.hwnd())) return;
  PostMessageW(window_.hwnd(), WM_NCLBUTTONDOWN, HTCAPTION,
               static_cast<LPARAM>((static_cast<unsigned>(p.y) << 16) |
                                   (static_cast<unsigned>(p.x) & 0xFFFF)));
}

void SkinnedPages::trackHover() {
  TRACKMOUSEEVENT track{sizeof(track), TME_HOVER | TME_LEAVE, window_.hwnd(), 10};
  TrackMouseEvent(&track);
}

}  // namespace k8
