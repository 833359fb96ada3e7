#include "dialogs/list_dialogs_win32.h"

#include "i18n/dialog_texts.h"
#include "macros/macro_file.h"
#include "pages/skin_names.h"
#include "platform/system_profile.h"

namespace k8 {
namespace {

constexpr Colour kWhite{255, 255, 255};
constexpr Colour kDark{40, 40, 40};
using layout::rect;

constexpr Rect kMacroPrompt = rect("macro-key", "prompt");
constexpr Rect kMediaList = rect("media-key", "drop list");
constexpr Rect kWindowsList = rect("windows-key", "drop list");
constexpr Rect kMacroList = rect("macro-key", "drop list");

// White text on dark grey, transparent, in the dialog font.
ColourRule lightOnDark(bool textBackground) {
  ColourRule rule;
  rule.text = kWhite;
  rule.transparent = true;
  if (textBackground) rule.textBackground = kDark;
  rule.normalFont = true;
  rule.brush = kDark;
  return rule;
}

template <typename ItemText>
void showItems(SkinnedFrame& frame, int count, Rect list, ItemText text) {
  std::vector<std::wstring> items;
  for (int i = 0; i < count; ++i) items.emplace_back(text(i));
  frame.setDropDown(items, list);
  frame.setValue(0, items.empty() ? std::wstring() : items.front());
}

}  // namespace

CMediaDialog::CMediaDialog(SkinSettings skin)
    : SkinnedDialog(std::move(skin),
                    {img::kMediaKeyDialog, L"Media Dialog Load background image failed!!!", 552,
                     553, kMediaList.bottom}) {}

void CMediaDialog::initContent() {
  const Language language = languageFromCode(skin().language);
  showItems(frame(), mediaItemCount(), kMediaList,
            [language](int i) { return std::wstring(mediaItemText(language, i)); });
}

std::optional<ColourRule> CMediaDialog::controlColour(ChildKind kind, int) {
  if (kind != ChildKind::Static && kind != ChildKind::ListBox) return std::nullopt;
  return lightOnDark(false);
}

CWindowsDialog::CWindowsDialog(SkinSettings skin)
    : SkinnedDialog(std::move(skin),
                    {img::kWindowsKeyDialog, L"Windows Dialog Load background image failed!!!", 532,
                     533, kWindowsList.bottom}) {}

void CWindowsDialog::initContent() {
  const Language language = languageFromCode(skin().language);
  showItems(frame(), windowsItemCount(), kWindowsList,
            [language](int i) { return std::wstring(windowsItemText(language, i)); });
}

std::optional<ColourRule> CWindowsDialog::controlColour(ChildKind kind, int) {
  if (kind != ChildKind::Static && kind != ChildKind::ListBox) return std::nullopt;
  return lightOnDark(false);
}

CMacroDialog::CMacroDialog(SkinSettings skin, std::filesystem::path recordIni)
    : SkinnedDialog(std::move(skin),
                    [] {
                      SubDialogLayout layout{img::kMacroKeyDialog,
                                             L"Macro Key Dialog Load background image failed!!!",
                                             592, 593, kMacroList.bottom};
                      layout.wheelScrollsList = true;
                      return layout;
                    }()),
      recordIni_(std::move(recordIni)) {}

MacroKeyChoice CMacroDialog::choice() const {
  return {selectedIndex(), boxes_.mode(), valueText()};
}

void CMacroDialog::initContent() {
  frame().setDropDown({}, kMacroList);
  // The names as record.ini holds them when the list opens: no file, no names.
  frame().setItemSource([path = recordIni_] {
    const SystemProfile recordIni(path);
    return recordIni.exists() ? listMacroNames(recordIni) : std::vector<std::wstring>{};
  });
}

void CMacroDialog::paintExtras(Canvas& canvas) {
  for (int k = 1; k <= 3; ++k) {
    const Rect box = kRepeatBoxes[k - 1];
    canvas.drawImage(k == boxes_.mode() ? img::kPaneTicked : img::kPane, box.left, box.top);
  }
  const MacroDialogTexts t = macroDialogTexts(languageFromCode(skin().language));
  const COLORREF white = RGB(255, 255, 255);
  drawSurfaceText(t.prompt, kMacroPrompt, white, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  const UINT wrap = DT_LEFT | DT_WORDBREAK | DT_EDITCONTROL;
  for (int k = 0; k < 3; ++k) {
    const Rect label = kRepeatLabels[k];
    const int height = measureText(t.repeatMode[static_cast<std::size_t>(k)], label,
                                   DT_WORDBREAK | DT_EDITCONTROL | DT_CENTER);
    drawSurfaceText(t.repeatMode[static_cast<std::size_t>(k)], centredVertically(label, height),
                    white, wrap);
  }
}

void CMacroDialog::clickAfterFrame(Point p) {
  if (boxes_.click(p)) repaint();
}

std::optional<ColourRule> CMacroDialog::controlColour(ChildKind kind, int) {
  if (kind == ChildKind::Static) return lightOnDark(false);
  if (kind == ChildKind::ListBox) return lightOnDark(true);
  return std::nullopt;
}

}  // namespace k8
