#include "skin/skinned_frame.h"

#include "pages/skin_names.h"

namespace k8 {

void SkinnedFrame::setCaptions(std::wstring ok, std::wstring cancel) {
  ok_ = std::move(ok);
  cancel_ = std::move(cancel);
}

void SkinnedFrame::setDropDown(std::vector<std::wstring> items, int listBottom) {
  hasField_ = !items.empty();
  items_ = std::move(items);
  list_ = dropListRect(listBottom);
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

void SkinnedFrame::drawPush(Rect rect, const std::wstring& caption, bool over) {
  canvas_.drawImageOnBase(over ? img::kButtonOver : img::kButtonNormal, rect.left, rect.top);
  canvas_.drawText(caption, rect, FontKind::Normal, TextAlign::Centre);
}

void SkinnedFrame::drawClose(bool over) {
  canvas_.drawImageOnBase(over ? img::kCloseOver : img::kCloseNormal, kFrameClose.left,
                          kFrameClose.top);
}

void SkinnedFrame::paintButtons() {
  canvas_.drawImageOnBase(img::kButtonNormal, kFrameOk.left, kFrameOk.top);
  canvas_.drawImageOnBase(img::kButtonNormal, kFrameCancel.left, kFrameCancel.top);
  canvas_.drawText(ok_, kFrameOk, FontKind::Normal, TextAlign::Centre);
  canvas_.drawText(cancel_, kFrameCancel, FontKind::Normal, TextAlign::Centre);
  drawClose(false);
}

void SkinnedFrame::mouseMove(Point p) {
  if (kFrameOk.contains(p) || kFrameCancel.contains(p) || kFrameClose.contains(p)) {
    host_.trackHover();
    return;
  }
  if (!okOver_ && !cancelOver_ && !closeOver_) return;
  if (okOver_) drawPush(kFrameOk, ok_, false);
  if (cancelOver_) drawPush(kFrameCancel, cancel_, false);
  if (closeOver_) drawClose(false);
  okOver_ = cancelOver_ = closeOver_ = false;
  canvas_.present();
}

void SkinnedFrame::mouseHover(Point p) {
  if (kFrameClose.contains(p)) {
    drawClose(true);
    closeOver_ = true;
  } else if (kFrameOk.contains(p)) {
    drawPush(kFrameOk, ok_, true);
    okOver_ = true;
    if (cancelOver_) drawPush(kFrameCancel, cancel_, false);
    cancelOver_ = false;
  } else if (kFrameCancel.contains(p)) {
    drawPush(kFrameCancel, cancel_, true);
    cancelOver_ = true;
    if (okOver_) drawPush(kFrameOk, ok_, false);
    okOver_ = false;
  } else {
    return;
  }
  canvas_.present();
}

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
