#include "app/sub_dialogs_win32.h"

#include "app/main_dialog_win32.h"
#include "dialogs/key_dialogs_win32.h"
#include "dialogs/list_dialogs_win32.h"
#include "dialogs/number_dialogs_win32.h"

namespace k8 {
namespace {

// The skinned dialogs, owned by the main window, read the skin and language in use each time.
class SkinnedSubDialogs final : public SubDialogs {
 public:
  explicit SkinnedSubDialogs(CPexonDlg& window) : window_(window) {}

  std::optional<ListChoice> windowsFunction() override {
    CWindowsDialog dialog(skin());
    if (!run(dialog)) return std::nullopt;
    return ListChoice{dialog.selectedIndex(), dialog.valueText()};
  }
  std::optional<ListChoice> mediaKey() override {
    CMediaDialog dialog(skin());
    if (!run(dialog)) return std::nullopt;
    return ListChoice{dialog.selectedIndex(), dialog.valueText()};
  }
  std::optional<FireKeyChoice> fireKey() override {
    CFireKeyDialog dialog(skin());
    if (!run(dialog)) return std::nullopt;
    return dialog.choice();
  }
  std::optional<std::wstring> singleKey() override {
    CSingleDialog dialog(skin());
    if (!run(dialog)) return std::nullopt;
    return dialog.keyName();
  }
  std::optional<ComboKeyChoice> comboKey() override {
    CComboDialog dialog(skin());
    if (!run(dialog)) return std::nullopt;
    return dialog.choice();
  }
  std::optional<MacroKeyChoice> macroKey() override {
    CMacroDialog dialog(skin(), window_.paths().recordIni);
    if (!run(dialog)) return std::nullopt;
    return dialog.choice();
  }
  std::optional<std::wstring> delayTime() override {
    CDelayTimeDialog dialog(skin());
    if (!run(dialog)) return std::nullopt;
    return dialog.delayText();
  }

 private:
  SkinSettings skin() const { return subDialogSkin(window_); }
  bool run(SkinnedDialog& dialog) { return dialog.runModal(window_.hwnd()) == IDOK; }

  CPexonDlg& window_;
};

}  // namespace

SkinSettings subDialogSkin(const CPexonDlg& window) {
  const auto colour = window.textColor();
  return {window.skinFolder(), window.languageCode(), RGB(colour[0], colour[1], colour[2]),
          programFilePath().stem().wstring()};
}

std::unique_ptr<SubDialogs> createSubDialogs(CPexonDlg& window) {
  return std::make_unique<SkinnedSubDialogs>(window);
}

}  // namespace k8
