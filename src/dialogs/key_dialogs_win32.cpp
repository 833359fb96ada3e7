#include "dialogs/key_dialogs_win32.h"

#include "i18n/dialog_texts.h"
#include "pages/skin_names.h"

namespace k8 {
namespace {

constexpr int kSingleDisplayId = 502;
using layout::rect;

constexpr Rect kSingleDisplay = rect("single-key", "key display");
constexpr Rect kSinglePrompt = rect("single-key", "prompt");

constexpr int kModifierDisplayId = 512;
constexpr int kModifierListId = 515;
constexpr int kKey1Id = 516;
constexpr int kKey2Id = 517;
constexpr Rect kModifierDisplay = rect("combo-key", "modifier display");
constexpr Rect kModifierField = rect("combo-key", "modifier field");
constexpr Rect kModifierList = rect("combo-key", "modifier list");
constexpr Rect kKey1Field = rect("combo-key", "key 1 field");
constexpr Rect kKey2Field = rect("combo-key", "key 2 field");

}  // namespace

bool KeyCapture::start(HWND dialog, unsigned long& error) {
  last_.clear();
  return lease_.start(
      use_, dialog,
      [this, dialog](std::wstring_view name, std::uint32_t) {
        last_ = std::wstring(name);
        SendMessageW(dialog, message_, 0, 0);
      },
      error);
}

CSingleDialog::CSingleDialog(SkinSettings skin)
    : SkinnedDialog(std::move(skin),
                    {img::kSingleKeyDialog, L"Single Key Dialog Load background image failed!!!"}),
      capture_(kSingleKeyCaptured, HookUse::SingleKey) {}

void CSingleDialog::initContent() {
  display_ = createControl(L"STATIC", kSingleDisplayId, kSingleDisplay,
                           WS_CHILD | WS_VISIBLE | SS_SUNKEN | SS_CENTER);
  unsigned long error = 0;
  if (!capture_.start(hwnd(), error)) {
    showMessage(L"KeyboardHook_SingleDlgKey Install error code :" + std::to_wstring(error) + L"\n",
                L"");
  }
}

void CSingleDialog::paintExtras(Canvas& canvas) {
  canvas.drawText(singleKeyPrompt(languageFromCode(skin().language)), kSinglePrompt,
                  FontKind::Normal, TextAlign::Centre);
}

bool CSingleDialog::extraMessage(UINT message, WPARAM, LPARAM, INT_PTR& result) {
  if (message == kSingleKeyCaptured) {
    keyName_ = capture_.lastName();
    if (display_ != nullptr) {
      SetWindowTextW(display_, keyName_.c_str());
      InvalidateRect(display_, nullptr, TRUE);
    }
    result = TRUE;
    return true;
  }
  if (message == WM_DESTROY) capture_.stop();  // however the dialog ends
  return false;
}

CComboDialog::CComboDialog(SkinSettings skin)
    : SkinnedDialog(std::move(skin),
                    [] {
                      SubDialogLayout layout{img::kComboKeyDialog,
                                             L"Combo Dialog Load background image failed!!!",
                                             kModifierDisplayId, kModifierListId};
                      layout.valueDisplay = kModifierDisplay;
                      layout.centreValue = true;
                      return layout;
                    }()),
      capture_(kComboKeyCaptured, HookUse::ComboKey) {}

void CComboDialog::initContent() {
  frame().setDropDown(comboModifierItems(), kModifierList);
  frame().setDropGeometry(kModifierField, kModifierList);
  // Read-only: a key pressed in a field is shown by its name, not typed into it.
  const DWORD style = WS_CHILD | WS_VISIBLE | ES_CENTER | ES_READONLY;
  key1_ = createControl(L"EDIT", kKey1Id, kKey1Field, style);
  key2_ = createControl(L"EDIT", kKey2Id, kKey2Field, style);
  unsigned long error = 0;
  if (!capture_.start(hwnd(), error)) {
    showMessage(L"KeyboardHook_ComboDlg Install error code :" + std::to_wstring(error) + L"\n",
                L"");
  }
}

void CComboDialog::listChosen(int) { rules_.chooseModifier(valueText()); }

void CComboDialog::dropListShown(bool open) {
  if (open) SetFocus(hwnd());
  for (HWND field : {key1_, key2_})
    if (field != nullptr) EnableWindow(field, open ? FALSE : TRUE);
}

bool CComboDialog::extraMessage(UINT message, WPARAM, LPARAM, INT_PTR& result) {
  if (message == kComboKeyCaptured) {
    HWND focus = GetFocus();
    const ComboField field = focus == nullptr ? ComboField::None
                             : focus == key1_ ? ComboField::Key1
                             : focus == key2_ ? ComboField::Key2
                                              : ComboField::None;
    if (rules_.captured(capture_.lastName(), field) != ComboField::None) {
      SetWindowTextW(focus, capture_.lastName().c_str());
      InvalidateRect(focus, nullptr, TRUE);
    }
    result = TRUE;
    return true;
  }
  if (message == WM_DESTROY) capture_.stop();
  return false;
}

}  // namespace k8
