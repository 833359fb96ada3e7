#include "skin/skinned_frame.h"

#include "pages/skin_names.h"

namespace k8 {

void SkinnedFrame::setCaptions(std::wstring ok, std::wstring cancel) {
  ok_ = std::move(ok);
  cancel_ = std::move(cancel);
}

void SkinnedFrame::setDropDown(std::vector<std::wstring> items, Rect list) {
  hasField_ = !items.empty();
  items_ = std::move(items);
  list_ = list;
}

void SkinnedFrame::setDropGeometry(Rect field, Rect list) {
  field_ = field;
  list_ = list;
}

void SkinnedFrame::setItemSource(std::function<std::vector<std::wstring>()> source) {
  itemSource_ = std::move(source);
  hasField_ = itemSource_ != nullptr;
}

void SkinnedFrame::closeList() {
  if (host_.listExists()) host_.destroyList();
  const bool wasOpen = listOpen_;
  listOpen_ = false;
  if (wasOpen) host_.listShown(false);
}

void SkinnedFrame::setValue(int index, std::wstring text) {
  selected_ = index;
  value_ = std::move(text);
}

std::vector<HoverItem> SkinnedFrame::hoverItems() const {
  return {
      {Control::Ok, 0, kFrameOk, img::kButtonNormal, img::kButtonOver, ok_,
       HoverGroup::PushButtons},
      {Control::Cancel, 0, kFrameCancel, img::kButtonNormal, img::kButtonOver, cancel_,
       HoverGroup::PushButtons},
      {Control::Close, 0, kFrameClose, img::kCloseNormal, img::kCloseOver, {}},
  };
}

void SkinnedFrame::paintButtons() {
  for (const HoverItem& item : hoverItems()) drawHoverItem(canvas_, item, false);
  hover_.clear();
}

void SkinnedFrame::mouseMove(Point p) {
  if (hover_.pointerMoved(canvas_, hoverItems(), p)) host_.trackHover();
}

void SkinnedFrame::mouseHover(Point p) { hover_.pointerRested(canvas_, hoverItems(), p); }

void SkinnedFrame::click(Point p) {
  if (host_.listExists() && !list_.contains(p) && !field_.contains(p)) closeList();
  // OK and Cancel share their edge column; the first area ends the dialog.
  if (kFrameOk.contains(p)) return host_.endDialog(DialogResult::Ok);
  if (kFrameCancel.contains(p) || kFrameClose.contains(p))
    return host_.endDialog(DialogResult::Cancel);
  if (!hasField_ || !field_.contains(p)) return;
  if (listOpen_) {
    closeList();
  } else {
    if (itemSource_) items_ = itemSource_();
    if (!host_.listExists()) host_.createList(list_, items_);
    listOpen_ = true;
    host_.listShown(true);
  }
}

void SkinnedFrame::listChosen(int index, const std::wstring& text) {
  if (index < 0) {
    listOpen_ = false;
    return;
  }
  selected_ = index;
  value_ = text;
  host_.setValueText(value_);
  closeList();
}

void SkinnedFrame::wheel(int delta) {
  if (!wheelScrolls_ || !host_.listExists()) return;
  for (int i = 0; i < 3; ++i) host_.scrollList(delta <= 0);
}

}  // namespace k8
