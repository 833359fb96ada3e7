#pragma once
// CSkinsDialog: picks a skin folder and the colour of skinned texts. It changes nothing outside
// itself; after OK its caller takes the chosen name, folder and colour.

#include <windows.h>

#include <filesystem>
#include <string>

#include "skin/skinned_dialog_win32.h"

namespace k8 {

class CSkinsDialog final : public SkinnedDialog {
 public:
  // `skinsRoot`: the folder holding one folder per skin; `skinName`: the one in use.
  CSkinsDialog(SkinSettings skin, std::filesystem::path skinsRoot, std::wstring skinName);

  const std::wstring& skinName() const { return name_; }
  const std::wstring& skinPath() const { return path_; }
  COLORREF colour() const { return colour_; }

 private:
  void initContent() override;
  void paintExtras(Canvas& canvas) override;
  void listChosen(int index) override;
  void clickAfterFrame(Point p) override;
  std::optional<ColourRule> controlColour(ChildKind kind, int id) override;

  std::filesystem::path root_;
  std::wstring name_;
  std::wstring path_;
  COLORREF colour_;
  HWND swatch_ = nullptr;
};

}  // namespace k8
