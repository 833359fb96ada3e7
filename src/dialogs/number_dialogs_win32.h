#pragma once
// CFireKeyDialog (which key the mouse repeats, how fast, how often) and CDelayTimeDialog (one
// delay of the macro editor).

#include <windows.h>

#include <string>

#include "dialogs/dialog_rules.h"
#include "skin/skinned_dialog_win32.h"

namespace k8 {

class CFireKeyDialog final : public SkinnedDialog {
 public:
  explicit CFireKeyDialog(SkinSettings skin);
  const FireKeyChoice& choice() const { return rules_.choice(); }

 private:
  void initContent() override;
  void paintExtras(Canvas& canvas) override;
  void listChosen(int index) override;
  void dropListShown(bool open) override;
  bool childCommand(int id, int code) override;
  void aboutToEnd(DialogResult result) override;
  void checkSpeed();

  FireKeyRules rules_;
  HWND speed_ = nullptr;
  HWND times_ = nullptr;
};

class CDelayTimeDialog final : public SkinnedDialog {
 public:
  explicit CDelayTimeDialog(SkinSettings skin);
  const std::wstring& delayText() const { return text_; }

 private:
  void initContent() override;
  void paintExtras(Canvas& canvas) override;
  bool childCommand(int id, int code) override;

  HWND field_ = nullptr;
  std::wstring text_;
};

}  // namespace k8
