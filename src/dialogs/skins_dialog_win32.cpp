#include "dialogs/skins_dialog_win32.h"

#include "dialogs/dialog_rules.h"
#include "i18n/dialog_texts.h"
#include "pages/skin_names.h"
#include "platform/colour_dialog_win32.h"

namespace k8 {
namespace {

constexpr int kSwatchId = 561;
constexpr Rect kSwatch = layout::rect("skins", "colour swatch");
constexpr Rect kColourPrompt = layout::rect("skins", "prompt");
constexpr Rect kList = layout::rect("skins", "drop list");

}  // namespace

CSkinsDialog::CSkinsDialog(SkinSettings skin, std::filesystem::path skinsRoot,
                           std::wstring skinName)
    : SkinnedDialog(std::move(skin),
                    {img::kSkinsDialog, L"Skins Dialog Load background image failed!!!", 560, 562,
                     kList.bottom, true}),
      root_(std::move(skinsRoot)),
      name_(std::move(skinName)),
      path_(this->skin().skinFolder),
      colour_(this->skin().textColour) {}

void CSkinsDialog::initContent() {
  frame().setDropDown({}, kList);
  frame().setItemSource([root = root_] { return listSkinFolders(root); });
  frame().setValue(0, name_);
  swatch_ = createControl(L"STATIC", kSwatchId, kSwatch, WS_CHILD | WS_VISIBLE | SS_CENTER);
}

// The prompt keeps the colour in use until OK; the swatch shows the chosen one.
void CSkinsDialog::paintExtras(Canvas& canvas) {
  canvas.drawText(skinsColorPrompt(languageFromCode(skin().language)), kColourPrompt,
                  FontKind::Normal, TextAlign::Centre);
}

void CSkinsDialog::listChosen(int) {
  name_ = valueText();
  if (const auto folder = findSkinFolder(root_, name_)) path_ = folder->wstring();
}

void CSkinsDialog::clickAfterFrame(Point p) {
  if (!kSwatch.contains(p)) return;
  const auto chosen = chooseColourDialog(hwnd());
  if (!chosen) return;
  colour_ = *chosen;
  if (swatch_ != nullptr) InvalidateRect(swatch_, nullptr, TRUE);
}

std::optional<ColourRule> CSkinsDialog::controlColour(ChildKind kind, int id) {
  ColourRule rule;
  rule.transparent = true;
  if (kind == ChildKind::Static && id == kSwatchId) {
    rule.brush = Colour{GetRValue(colour_), GetGValue(colour_), GetBValue(colour_)};
    return rule;
  }
  if (kind != ChildKind::ListBox) return std::nullopt;
  rule.text = Colour{255, 255, 255};
  rule.normalFont = true;
  rule.brush = Colour{40, 40, 40};
  return rule;
}

}  // namespace k8
