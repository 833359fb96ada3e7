#pragma once
// The light area of the Basic page: one colour swatch per DPI stage (system colour dialog) and
// the light effect in three small lists, "Mode", "Parameter" and "Effect".

#include <string>
#include <vector>

#include "pages/canvas.h"
#include "pages/control_ids.h"
#include "pages/page_model.h"

namespace k8 {

constexpr bool isLightListId(int id) { return id >= kLightModeListId && id <= kLightOptionListId; }

// The texts of a light mode (0-3) and an option value (0-3); "" outside.
std::wstring lightModeText(const UiStrings& ui, int mode);
std::wstring lightOptionText(const UiStrings& ui, int option);
// The parameter texts a mode offers (mode 1: brightness, 2: beat speed, else: switch time).
std::vector<std::wstring> lightParameterTexts(int mode);
// The text of the parameter field that `mode` uses; "" for a mode without one.
std::wstring lightParameterText(const MouseSettings& s, int mode);

class LightSettings {
 public:
  LightSettings(PageModel& model, PageHost& host, Controls& controls)
      : model_(model), host_(host), controls_(controls) {}

  // The titles, whenever the page is drawn.
  void draw(Canvas& canvas);
  // The swatches and the three labels, while the page creates its children.
  void createChildren();
  // Which box a click hit: 1 "Mode", 2 "Parameter", 3 "Effect".
  void boxClick(int box);
  void swatchClick(int stage);  // 1-4
  void listNotification(int listId);
  // The pointer over an open light list selects the item under it.
  void hover(int listId, Point p);
  // A click at p outside a list's box closes that list.
  void dismiss(Point p);
  void destroyChildren();

  bool isOpen(int box) const { return box >= 1 && box <= 3 && open_[box - 1]; }

 private:
  void createParameterAndOption();
  void close(int box);
  void setLabel(int id, const std::wstring& text);

  PageModel& model_;
  PageHost& host_;
  Controls& controls_;
  bool open_[3] = {};
};

}  // namespace k8
