#pragma once
// The two pages as far as the main window's frame needs them: background, click regions and
// hover items. Their own drawing and click handling are filled in by the page code.

#include <string>

#include "i18n/ui_strings.h"
#include "pages/page_controller.h"

namespace k8 {

class BasicPage : public PageContent {
 public:
  explicit BasicPage(const UiStrings& texts) : texts_(texts) {}
  std::wstring_view background() const override;
  std::vector<Region> regions() const override { return basicRegions(dpiScaleLength()); }
  std::vector<HoverItem> hoverItems() const override;
  // 12 or 8, by the sensor type the mouse reported.
  virtual int dpiScaleLength() const { return 12; }
  // Caption of function box k (1-8) in the shown key mode.
  virtual std::wstring boxCaption(int) const { return {}; }

 protected:
  const UiStrings& texts_;
};

class AdvancedPage : public PageContent {
 public:
  explicit AdvancedPage(const UiStrings& texts) : texts_(texts) {}
  std::wstring_view background() const override;
  std::vector<Region> regions() const override;
  std::vector<HoverItem> hoverItems() const override;

 protected:
  const UiStrings& texts_;
};

}  // namespace k8
