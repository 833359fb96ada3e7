#pragma once
// Hover images of the skinned controls: which controls have an over image, how each is drawn, and
// which of them form groups that show at most one over image at a time.

#include <string>
#include <string_view>
#include <vector>

#include "pages/canvas.h"
#include "pages/controls.h"
#include "pages/regions.h"

namespace k8 {

enum class HoverGroup { None, PushButtons, Tabs, MacroButtons, FunctionBoxes };

struct HoverItem {
  Control control;
  int index = 0;
  Rect rect;
  std::wstring_view normalImage;
  std::wstring_view overImage;
  std::wstring caption;  // push buttons and function boxes
  HoverGroup group = HoverGroup::None;
};

// Draws one item in its normal or over image, with its caption (a function box also gets its
// number in the 20-pixel strip at its left).
void drawHoverItem(Canvas& canvas, const HoverItem& item, bool over);

// Hot-tracking: the list's highlight follows the pointer at `p` (list client coordinates).
// Returns the item under it, or kNoItem (no list, or below the last item).
int hotTrackList(ListItems& lists, int id, Point p);

// Which items show their over image. Drawing goes to the canvas; the caller presents.
class HoverState {
 public:
  // The pointer rests on `item`: draw its over image unless it is already shown; the other
  // members of its group go back to normal. Returns true when anything was drawn.
  bool hover(Canvas& canvas, const HoverItem& item, const std::vector<HoverItem>& all);
  // The pointer left every tracked control: redraw each flagged item normal. Returns true when
  // anything was drawn.
  bool leaveAll(Canvas& canvas, const std::vector<HoverItem>& all);
  // The pointer moved to `p`. Over an item: true, and the caller asks for a hover message.
  // Elsewhere: every flagged item goes back to normal (presented), and false.
  bool pointerMoved(Canvas& canvas, const std::vector<HoverItem>& all, Point p);
  // The hover message at `p`: the item under it shows its over image (presented).
  void pointerRested(Canvas& canvas, const std::vector<HoverItem>& all, Point p);
  // Everything was drawn normal by a full page draw.
  void clear() { flagged_.clear(); }
  bool isOver(Control control, int index = 0) const;

 private:
  struct Key {
    Control control;
    int index;
    bool operator==(const Key&) const = default;
  };
  void setFlag(Key key, bool on);
  std::vector<Key> flagged_;
};

}  // namespace k8
