#include "dialogs/number_dialogs_win32.h"

#include "i18n/dialog_texts.h"
#include "pages/skin_names.h"
#include "settings/key_tables.h"

namespace k8 {
namespace {

constexpr int kKeyDisplayId = 572;
constexpr int kKeyListId = 573;
constexpr int kSpeedId = 574;
constexpr int kTimesId = 575;
using layout::rect;

constexpr Rect kKeyDisplay = rect("fire-key", "key display");
constexpr Rect kKeyField = rect("fire-key", "key field");
constexpr Rect kKeyList = rect("fire-key", "key list");
constexpr Rect kSpeedField = rect("fire-key", "speed field");
constexpr Rect kTimesField = rect("fire-key", "times field");
constexpr Rect kSpeedLabel = rect("fire-key", "speed label");
constexpr Rect kTimesLabel = rect("fire-key", "times label");
constexpr Rect kSpeedRange = rect("fire-key", "speed range");
constexpr Rect kTimesRange = rect("fire-key", "times range");

constexpr int kDelayId = 600;
constexpr Rect kDelayField = rect("delay-time", "delay field");
constexpr Rect kDelayPrompt = rect("delay-time", "prompt");
constexpr Rect kDelayRange = rect("delay-time", "range");

constexpr COLORREF kWhite = RGB(255, 255, 255);

std::wstring windowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
  const int got = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return text;
}

std::vector<std::wstring> fireKeyItems() {
  std::vector<std::wstring> items;
  for (int i = 0; i < fireKeyCount(); ++i) items.emplace_back(fireKeyName(i));
  return items;
}

}  // namespace

CFireKeyDialog::CFireKeyDialog(SkinSettings skin)
    : SkinnedDialog(std::move(skin), [] {
        SubDialogLayout layout{img::kFireKeyDialog,
                               L"FireKey Dialog Load background image failed!!!", kKeyDisplayId,
                               kKeyListId};
        layout.wheelScrollsList = true;
        layout.valueDisplay = kKeyDisplay;
        layout.centreValue = true;
        return layout;
      }()) {}

void CFireKeyDialog::initContent() {
  frame().setDropDown(fireKeyItems(), kKeyList);
  frame().setDropGeometry(kKeyField, kKeyList);
  const DWORD style = WS_CHILD | WS_VISIBLE | ES_NUMBER | ES_CENTER;
  speed_ = createControl(L"EDIT", kSpeedId, kSpeedField, style,
                         std::to_wstring(FireKeyRules::kStartSpeed));
  times_ = createControl(L"EDIT", kTimesId, kTimesField, style,
                         std::to_wstring(FireKeyRules::kStartTimes));
}

void CFireKeyDialog::paintExtras(Canvas&) {
  const FireKeyTexts t = fireKeyTexts(languageFromCode(skin().language));
  const UINT line = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  drawSurfaceText(t.speedLabel, kSpeedLabel, kWhite, line);
  drawSurfaceText(t.timesLabel, kTimesLabel, kWhite, line);
  const UINT wrap = DT_LEFT | DT_WORDBREAK | DT_EDITCONTROL;
  for (auto [text, rect] : {std::pair{t.speedRange, kSpeedRange}, {t.timesRange, kTimesRange}})
    drawSurfaceText(text, centredVertically(rect, measureText(text, rect, wrap)), kWhite, wrap);
}

void CFireKeyDialog::listChosen(int index) { rules_.chooseKey(index, valueText()); }

void CFireKeyDialog::dropListShown(bool open) {
  if (open) SetFocus(hwnd());  // the speed field checks its value as it loses the focus
  for (HWND field : {speed_, times_})
    if (field != nullptr) EnableWindow(field, open ? FALSE : TRUE);
}

void CFireKeyDialog::checkSpeed() {
  if (speed_ == nullptr) return;
  if (const auto corrected = rules_.speedLeft(windowText(speed_)))
    SetWindowTextW(speed_, corrected->c_str());
}

bool CFireKeyDialog::childCommand(int id, int code) {
  if (id == kSpeedId && code == EN_KILLFOCUS) {
    checkSpeed();
    return true;
  }
  if (id == kTimesId && code == EN_CHANGE && times_ != nullptr) {
    if (const auto corrected = rules_.timesChanged(windowText(times_)))
      SetWindowTextW(times_, corrected->c_str());
    return true;
  }
  return false;
}

// The skinned OK takes no focus, so a speed still being typed is checked here as well.
void CFireKeyDialog::aboutToEnd(DialogResult result) {
  if (result == DialogResult::Ok) checkSpeed();
}

CDelayTimeDialog::CDelayTimeDialog(SkinSettings skin)
    : SkinnedDialog(std::move(skin),
                    {img::kDelayTimeDialog, L"DelayTime Dialog Load background image failed!!!"}) {}

void CDelayTimeDialog::initContent() {
  field_ = createControl(L"EDIT", kDelayId, kDelayField,
                         WS_CHILD | WS_VISIBLE | WS_BORDER | ES_NUMBER | ES_CENTER);
}

void CDelayTimeDialog::paintExtras(Canvas& canvas) {
  const DelayTimeTexts t = delayTimeTexts(languageFromCode(skin().language));
  canvas.drawText(t.prompt, kDelayPrompt, FontKind::Normal, TextAlign::Centre);
  canvas.drawText(t.range, kDelayRange, FontKind::Normal, TextAlign::Centre);
}

bool CDelayTimeDialog::childCommand(int id, int code) {
  if (id != kDelayId || code != EN_CHANGE || field_ == nullptr) return false;
  text_ = windowText(field_);
  return true;
}

}  // namespace k8
