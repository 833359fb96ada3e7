#include "platform/colour_dialog_win32.h"

// clang-format off
#include <windows.h>
#include <commdlg.h>  // needs windows.h first
// clang-format on

#include "platform/modal_windows.h"
#include "platform/system_library_win32.h"

namespace k8 {

std::optional<COLORREF> chooseColourDialog(HWND owner) {
  static const auto choose =
      systemFunction<decltype(&ChooseColorW)>(L"comdlg32.dll", "ChooseColorW");
  static COLORREF custom[16] = {};
  if (choose == nullptr) return std::nullopt;
  CHOOSECOLORW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpCustColors = custom;
  const ModalWindow modal;
  if (!choose(&dialog)) return std::nullopt;
  return dialog.rgbResult;
}

}  // namespace k8
