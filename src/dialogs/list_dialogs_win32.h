#pragma once
// The sub-dialogs that pick one entry of a list: CMediaDialog, CWindowsDialog and CMacroDialog
// (which adds the three repeat modes).

#include <windows.h>

#include <filesystem>

#include "dialogs/dialog_rules.h"
#include "skin/skinned_dialog_win32.h"

namespace k8 {

class CMediaDialog final : public SkinnedDialog {
 public:
  explicit CMediaDialog(SkinSettings skin);

 private:
  void initContent() override;
  std::optional<ColourRule> controlColour(ChildKind kind, int id) override;
};

class CWindowsDialog final : public SkinnedDialog {
 public:
  explicit CWindowsDialog(SkinSettings skin);

 private:
  void initContent() override;
  std::optional<ColourRule> controlColour(ChildKind kind, int id) override;
};

class CMacroDialog final : public SkinnedDialog {
 public:
  CMacroDialog(SkinSettings skin, std::filesystem::path recordIni);
  MacroKeyChoice choice() const;

 private:
  void initContent() override;
  void paintExtras(Canvas& canvas) override;
  void clickAfterFrame(Point p) override;
  std::optional<ColourRule> controlColour(ChildKind kind, int id) override;

  std::filesystem::path recordIni_;
  RepeatModeBoxes boxes_;
};

}  // namespace k8
