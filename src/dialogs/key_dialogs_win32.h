#pragma once
// CSingleDialog and CComboDialog: they capture keystrokes through the user-interface thread's
// keyboard hook, held as long as the dialog runs.

#include <windows.h>

#include <string>

#include "dialogs/dialog_rules.h"
#include "macros/keyboard_hook_win32.h"
#include "skin/skinned_dialog_win32.h"

namespace k8 {

inline constexpr UINT kSingleKeyCaptured = 0xB04;
inline constexpr UINT kComboKeyCaptured = 0xB05;

// The keyboard hook of one capturing dialog: it names every key event and sends the dialog
// `message`.
class KeyCapture {
 public:
  KeyCapture(UINT message, HookUse use) : message_(message), use_(use) {}
  // False (with the system's error) when the hook could not be installed.
  bool start(HWND dialog, unsigned long& error);
  void stop() { lease_.stop(); }
  const std::wstring& lastName() const { return last_; }

 private:
  UINT message_;
  HookUse use_;
  HookLease lease_;
  std::wstring last_;
};

class CSingleDialog final : public SkinnedDialog {
 public:
  explicit CSingleDialog(SkinSettings skin);
  const std::wstring& keyName() const { return keyName_; }

 private:
  void initContent() override;
  void paintExtras(Canvas& canvas) override;
  bool extraMessage(UINT message, WPARAM, LPARAM, INT_PTR& result) override;

  KeyCapture capture_;
  HWND display_ = nullptr;
  std::wstring keyName_;
};

class CComboDialog final : public SkinnedDialog {
 public:
  explicit CComboDialog(SkinSettings skin);
  const ComboKeyChoice& choice() const { return rules_.choice(); }

 private:
  void initContent() override;
  void listChosen(int index) override;
  void dropListShown(bool open) override;
  bool extraMessage(UINT message, WPARAM, LPARAM, INT_PTR& result) override;

  KeyCapture capture_;
  ComboKeyRules rules_;
  HWND key1_ = nullptr;
  HWND key2_ = nullptr;
};

}  // namespace k8
