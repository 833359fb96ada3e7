#include "pages/pages.h"

#include "pages/skin_names.h"

namespace k8 {

std::wstring_view BasicPage::background() const { return img::kBasicPage; }

std::vector<HoverItem> BasicPage::hoverItems() const {
  std::vector<HoverItem> items{{Control::KeyDefault, 0, regionOf(Control::KeyDefault),
                                img::kButtonNormal, img::kButtonOver, texts_.keyDefaults}};
  for (int k = 1; k <= kFunctionBoxes; ++k)
    items.push_back({Control::FunctionBox, k, regionOf(Control::FunctionBox, k),
                     img::kDropdownNormal, img::kDropdownOver, boxCaption(k),
                     HoverGroup::FunctionBoxes});
  return items;
}

std::wstring_view AdvancedPage::background() const { return img::kAdvancedPage; }

std::vector<Region> AdvancedPage::regions() const {
  const auto r = advancedRegions();
  return {r.begin(), r.end()};
}

std::vector<HoverItem> AdvancedPage::hoverItems() const {
  const auto button = [](Control c, const std::wstring& caption, HoverGroup g) {
    return HoverItem{c, 0, regionOf(c), img::kButtonNormal, img::kButtonOver, caption, g};
  };
  return {button(Control::SystemDefault, texts_.systemDefaults, HoverGroup::None),
          button(Control::NewMacro, texts_.newMacro, HoverGroup::MacroButtons),
          button(Control::DeleteMacro, texts_.deleteMacro, HoverGroup::MacroButtons),
          button(Control::ConfirmMacro, texts_.confirm, HoverGroup::MacroButtons)};
}

}  // namespace k8
