// What the main window's common buttons do.
#include <windows.h>

#include <utility>

#include "app/main_dialog_win32.h"
#include "app/resource_ids.h"
#include "app/skinned_pages_win32.h"
#include "device/hot_plug.h"
#include "device/transport.h"
#include "dialogs/dialog_rules.h"
#include "dialogs/skins_dialog_win32.h"
#include "pages/layout_table.h"
#include "platform/colour_dialog_win32.h"
#include "settings/config_file.h"
#include "sync/program_apply.h"

namespace k8 {

bool SkinnedPages::mousePresent() const { return window_.link().mousePresent(); }

void SkinnedPages::applyAndCommit() {
  Transport transport(window_.link().feature(), window_.link().featureLengths(), window_.pause());
  CommandSet commands(transport, window_.deviceState());
  k8::applyAndCommit(window_.settings(), commands, *this);
}

bool SkinnedPages::saveConfig(const MouseSettings& s) {
  return saveSettings(s, window_.paths().configBin, programFilePath().stem().wstring(),
                      [this](const std::wstring& text, const std::wstring& caption) {
                        window_.messageBox(text, caption);
                      });
}

void SkinnedPages::saveCaptions() { captions_.save(); }

void SkinnedPages::writeSystemSettings() { advanced_.writeSystemSettings(); }

void SkinnedPages::tellNotDelivered() {
  SendMessageW(window_.hwnd(), WM_DEVICE_NOTICE,
               static_cast<WPARAM>(NoticeKind::SettingsNotDelivered), 0);
}

void SkinnedPages::revert() {
  window_.settings().revert();
  // The captions go back with the functions they describe, whichever page was shown.
  captions_.load();
}

void SkinnedPages::hideWindow() { window_.hideWindow(); }

bool SkinnedPages::runSkinsDialog() {
  CSkinsDialog dialog(subDialogSkin(window_), window_.paths().skins, window_.skinName());
  dialogRan_ = true;
  if (dialog.runModal(window_.hwnd()) != IDOK) return false;
  const COLORREF c = dialog.colour();
  const Colour colour{GetRValue(c), GetGValue(c), GetBValue(c)};
  window_.changeSkin(dialog.skinName(), dialog.skinPath(), {colour.r, colour.g, colour.b});
  writeSkinKeys(window_.strIni(), dialog.skinName(), colour);
  // The page is rebuilt by the caller from the new skin's images over its new background.
  canvas_.setSkinFolder(window_.skinFolder());
  canvas_.setBitmap(window_.backBuffer());
  canvas_.setTextColour(c);
  return true;
}

void SkinnedPages::messageBox(std::wstring_view text, std::wstring_view caption) {
  dialogRan_ = true;
  if (caption.empty()) {
    window_.messageBox(std::wstring(text));
  } else {
    window_.messageBox(std::wstring(text), std::wstring(caption));
  }
}

std::optional<Colour> SkinnedPages::chooseColour() {
  dialogRan_ = true;
  const auto chosen = chooseColourDialog(window_.hwnd());
  if (!chosen) return std::nullopt;
  return Colour{GetRValue(*chosen), GetGValue(*chosen), GetBValue(*chosen)};
}

void SkinnedPages::exchangeSensorSettings() {
  querySensorType(window_.link(), window_.deviceState(), window_.pause());
}

void SkinnedPages::bringToFront() { window_.showWindow(); }

void SkinnedPages::closeProgram() { window_.exitProgram(); }

void SkinnedPages::startDrag(Point p) {
  // A click that hid the window, or that ran a dialog (whose own clicks took the button),
  // would leave the system moving the window with no button held down.
  const bool dialogRan = std::exchange(dialogRan_, false);
  if (dialogRan || !IsWindowVisible(window_.hwnd())) return;
  p = {layout::scaled(p.x, window_.dpi()), layout::scaled(p.y, window_.dpi())};
  PostMessageW(window_.hwnd(), WM_NCLBUTTONDOWN, HTCAPTION,
               static_cast<LPARAM>((static_cast<unsigned>(p.y) << 16) |
                                   (static_cast<unsigned>(p.x) & 0xFFFF)));
}

void SkinnedPages::trackHover() {
  TRACKMOUSEEVENT track{sizeof(track), TME_HOVER | TME_LEAVE, window_.hwnd(), 10};
  TrackMouseEvent(&track);
}

}  // namespace k8
