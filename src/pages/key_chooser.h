#pragma once
// The function chooser of the Basic page's eight button boxes: the drop-down list of sixteen
// functions under a box, the small DPI list beside its "DPI Switch" item, and what a choice
// stores in the shown key mode (running a sub-dialog where the function needs parameters).

#include <functional>
#include <string>

#include "pages/control_ids.h"
#include "pages/controls.h"
#include "pages/page_model.h"

namespace k8 {

inline constexpr int kDpiListWidth = 60;
inline constexpr int kDpiListHeight = 80;
inline constexpr int kDpiSwitchItem = 6;

constexpr bool isFunctionListId(int id) {
  return id >= kFunctionListFirstId && id < kFunctionListFirstId + kButtonCount;
}

class KeyChooser {
 public:
  // `redrawBox(button)` repaints button's box (0-7) after a choice and presents.
  KeyChooser(PageModel& model, PageHost& host, Controls& controls,
             std::function<void(int)> redrawBox)
      : model_(model), host_(host), controls_(controls), redrawBox_(std::move(redrawBox)) {}

  // A click on button b's box (0-7): opens or closes its list.
  void fieldClick(int button);
  // The pointer moved over list `id` (a function list or the DPI list) at a point in its client
  // coordinates: the item under it is selected, and "DPI Switch" shows the DPI list.
  void hover(int listId, Point p);
  // A selection change or double click in list `id`.
  void listNotification(int listId);
  // Closes button b's list (and the DPI list) if it is open.
  void close(int button);
  // Closes every list (the page is left).
  void closeAll();

  // A list exists only while it is open.
  bool isOpen(int button) const {
    return button >= 0 && button < kButtonCount && controls_.exists(kFunctionListFirstId + button);
  }
  int openButton() const;

  // Stores function `f` (a list position) for button b in the shown mode, running the sub-dialog
  // the function needs; false when a dialog was cancelled (nothing changed then).
  bool storeChoice(int button, int f);

 private:
  void createDpiList(int button);
  void choose(int button);
  void chooseDpiAction();

  PageModel& model_;
  PageHost& host_;
  Controls& controls_;
  std::function<void(int)> redrawBox_;
};

}  // namespace k8
