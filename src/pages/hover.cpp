#include "pages/hover.h"

#include <algorithm>

namespace k8 {

void drawHoverItem(Canvas& canvas, const HoverItem& item, bool over) {
  canvas.drawImageOnBase(over ? item.overImage : item.normalImage, item.rect.left, item.rect.top);
  if (item.control == Control::FunctionBox) {
    const Rect strip{item.rect.left, item.rect.top, item.rect.left + 20, item.rect.bottom};
    const Rect text{item.rect.left + 20, item.rect.top, item.rect.right, item.rect.bottom};
    canvas.drawText(std::to_wstring(item.index), strip, FontKind::Normal, TextAlign::Centre);
    canvas.drawText(item.caption, text, FontKind::Normal, TextAlign::Left);
  } else if (!item.caption.empty()) {
    canvas.drawText(item.caption, item.rect, FontKind::Normal, TextAlign::Centre);
  }
}

int hotTrackList(ListItems& lists, int id, Point p) {
  const int item = lists.itemFromPoint(id, p);
  // Selecting the selected item again would repaint the list on every move.
  if (item != kNoItem && lists.selection(id) != item) lists.setSelection(id, item);
  return item;
}

bool HoverState::isOver(Control control, int index) const {
  return std::ranges::find(flagged_, Key{control, index}) != flagged_.end();
}

void HoverState::setFlag(Key key, bool on) {
  const auto it = std::ranges::find(flagged_, key);
  if (on && it == flagged_.end()) flagged_.push_back(key);
  if (!on && it != flagged_.end()) flagged_.erase(it);
}

bool HoverState::hover(Canvas& canvas, const HoverItem& item, const std::vector<HoverItem>& all) {
  if (isOver(item.control, item.index)) return false;
  if (item.group != HoverGroup::None) {
    for (const HoverItem& other : all) {
      if (other.group != item.group) continue;
      if (other.control == item.control && other.index == item.index) continue;
      drawHoverItem(canvas, other, false);
      setFlag({other.control, other.index}, false);
    }
  }
  drawHoverItem(canvas, item, true);
  setFlag({item.control, item.index}, true);
  return true;
}

bool HoverState::pointerMoved(Canvas& canvas, const std::vector<HoverItem>& all, Point p) {
  if (std::ranges::any_of(all, [&](const HoverItem& item) { return item.rect.contains(p); }))
    return true;
  if (leaveAll(canvas, all)) canvas.present();
  return false;
}

void HoverState::pointerRested(Canvas& canvas, const std::vector<HoverItem>& all, Point p) {
  const auto item =
      std::ranges::find_if(all, [&](const HoverItem& i) { return i.rect.contains(p); });
  if (item != all.end() && hover(canvas, *item, all)) canvas.present();
}

bool HoverState::leaveAll(Canvas& canvas, const std::vector<HoverItem>& all) {
  if (flagged_.empty()) return false;
  for (const HoverItem& item : all)
    if (isOver(item.control, item.index)) drawHoverItem(canvas, item, false);
  flagged_.clear();
  return true;
}

}  // namespace k8
