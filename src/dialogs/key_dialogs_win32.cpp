#include "dialogs/key_dialogs_win32.h"

#include "i18n/dialog_texts.h"
#include "pages/skin_names.h"
#include "settings/scan_code_names.h"

namespace k8 {
namespace {

// The capturing dialogs are modal and never coexist: one hook at a time.
KeyCapture* g_activeCapture = nullptr;

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

bool isKeyDown(LPARAM flags) { return (static_cast<unsigned long long>(flags) & 0x80000000u) == 0; }

void setCaptions(SkinnedFrame& frame, const SkinSettings& skin) {
  const OkCancelTexts t = okCancelTexts(languageFromCode(skin.language));
  frame.setCaptions(std::wstring(t.ok), std::wstring(t.cancel));
}

}  // namespace

std::wstring keystrokeNameOf(LPARAM flags) {
  const auto bits = static_cast<unsigned long long>(flags);
  const std::wstring_view own = keystrokeName((bits >> 16) & 0xFF, ((bits >> 24) & 1) != 0);
  if (!own.empty()) return std::wstring(own);
  wchar_t name[32] = {};
  const int length = GetKeyNameTextW(static_cast<LONG>(flags), name, 32);
  return std::wstring(name, static_cast<std::size_t>(length > 0 ? length : 0)).substr(0, 31);
}

bool KeyCapture::start(HWND dialog) {
  stop();
  dialog_ = dialog;
  last_.clear();
  g_activeCapture = this;
  hook_.reset(SetWindowsHookExW(WH_KEYBOARD, &KeyCapture::hookProc, nullptr, GetCurrentThreadId()));
  if (!hook_) g_activeCapture = nullptr;
  return static_cast<bool>(hook_);
}

void KeyCapture::stop() {
  hook_.reset();
  dialog_ = nullptr;
  if (g_activeCapture == this) g_activeCapture = nullptr;
}

LRESULT CALLBACK KeyCapture::hookProc(int code, WPARAM wParam, LPARAM lParam) {
  KeyCapture* self = g_activeCapture;
  if (code != HC_ACTION || self == nullptr || self->dialog_ == nullptr)
    return CallNextHookEx(nullptr, code, wParam, lParam);
  self->last_ = keystrokeNameOf(lParam);
  SendMessageW(self->dialog_, self->message_, 0, 0);
  // The key is named; what follows keeps Enter and Esc from ending the dialog and the Windows
  // keys from reaching it.
  const bool enterEsc = (wParam == VK_RETURN || wParam == VK_ESCAPE) && isKeyDown(lParam);
  const bool windowsKey = wParam == VK_LWIN || wParam == VK_RWIN;
  if (enterEsc) return 1;
  if (windowsKey && self->swallow_ == Swallow::EnterEscAndWindowsKeys) return 1;
  return 0;
}

CSingleDialog::CSingleDialog(SkinSettings skin)
    : SkinnedDialog(std::move(skin),
                    {img::kSingleKeyDialog, L"Single Key Dialog Load background image failed!!!"}),
      capture_(kSingleKeyCaptured, KeyCapture::Swallow::EnterEscAndWindowsKeys) {}

void CSingleDialog::initContent() {
  setCaptions(frame(), skin());
  display_ = createControl(L"STATIC", kSingleDisplayId, kSingleDisplay,
                           WS_CHILD | WS_VISIBLE | SS_SUNKEN | SS_CENTER);
  if (!capture_.start(hwnd())) {
    showMessage(
        L"KeyboardHook_SingleDlgKey Install error code :" + std::to_wstring(GetLastError()) + L"\n",
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
      capture_(kComboKeyCaptured, KeyCapture::Swallow::EnterEsc) {}

void CComboDialog::initContent() {
  setCaptions(frame(), skin());
  frame().setDropDown(comboModifierItems(), kModifierList);
  frame().setDropGeometry(kModifierField, kModifierList);
  // Read-only: a key pressed in a field is shown by its name, not typed into it.
  const DWORD style = WS_CHILD | WS_VISIBLE | ES_CENTER | ES_READONLY;
  key1_ = createControl(L"EDIT", kKey1Id, kKey1Field, style);
  key2_ = createControl(L"EDIT", kKey2Id, kKey2Field, style);
  if (!capture_.start(hwnd())) {
    showMessage(
        L"KeyboardHook_ComboDlg Install error code :" + std::to_wstring(GetLastError()) + L"\n",
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
