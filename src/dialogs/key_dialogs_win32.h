#pragma once
// CSingleDialog and CComboDialog: they capture keystrokes through a keyboard hook of the
// user-interface thread that lives as long as the dialog, and name each keystroke from its
// scan code (keystrokeName), the system's name only for keys the table does not know.

#include <windows.h>

#include <string>

#include "dialogs/dialog_rules.h"
#include "platform/handles_win32.h"
#include "skin/skinned_dialog_win32.h"

namespace k8 {

inline constexpr UINT kSingleKeyCaptured = 0xB04;
inline constexpr UINT kComboKeyCaptured = 0xB05;

// The name of the keystroke described by a key message's lParam (at most 31 characters).
std::wstring keystrokeNameOf(LPARAM keystrokeFlags);

// The thread keyboard hook of one capturing dialog: it names every key event, sends the dialog
// `message`, and swallows what the dialog must not see as a key.
class KeyCapture {
 public:
  enum class Swallow { EnterEsc, EnterEscAndWindowsKeys };
  KeyCapture(UINT message, Swallow swallow) : message_(message), swallow_(swallow) {}
  ~KeyCapture() { stop(); }
  KeyCapture(const KeyCapture&) = delete;
  KeyCapture& operator=(const KeyCapture&) = delete;

  // False (with the system's error in GetLastError) when the hook could not be installed.
  bool start(HWND dialog);
  void stop();
  const std::wstring& lastName() const { return last_; }

 private:
  static LRESULT CALLBACK hookProc(int code, WPARAM wParam, LPARAM lParam);
  UINT message_;
  Swallow swallow_;
  UniqueHook hook_;
  HWND dialog_ = nullptr;
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
