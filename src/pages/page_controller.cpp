#include "pages/page_controller.h"

#include <utility>

#include "pages/skin_names.h"

namespace k8 {

PageController::PageController(Canvas& canvas, Controls& controls, PageControllerHost& host,
                               PageContent& basic, PageContent& advanced)
    : canvas_(canvas), controls_(controls), host_(host), basic_(basic), advanced_(advanced) {}

PageContent* PageController::content(Page page) const {
  switch (page) {
    case Page::Basic: return &basic_;
    case Page::Advanced: return &advanced_;
    case Page::None: break;
  }
  return nullptr;
}

std::vector<HoverItem> PageController::hoverItems() const {
  const auto at = [](Control c) { return regionOf(c); };
  std::vector<HoverItem> items{
      {Control::Ok, 0, at(Control::Ok), img::kButtonNormal, img::kButtonOver, texts_.ok,
       HoverGroup::PushButtons},
      {Control::Apply, 0, at(Control::Apply), img::kButtonNormal, img::kButtonOver, texts_.apply,
       HoverGroup::PushButtons},
      {Control::Cancel, 0, at(Control::Cancel), img::kButtonNormal, img::kButtonOver, texts_.cancel,
       HoverGroup::PushButtons},
      {Control::Skins, 0, at(Control::Skins), img::kSkinsNormal, img::kSkinsOver, {}},
      {Control::Minimise, 0, at(Control::Minimise), img::kMinNormal, img::kMinOver, {}},
      {Control::Close, 0, at(Control::Close), img::kCloseNormal, img::kCloseOver, {}},
      {Control::BasicTab,
       0,
       at(Control::BasicTab),
       img::kPrePageNormal,
       img::kPrePageOver,
       {},
       HoverGroup::Tabs},
      {Control::AdvancedTab,
       0,
       at(Control::AdvancedTab),
       img::kNextPageNormal,
       img::kNextPageOver,
       {},
       HoverGroup::Tabs},
  };
  if (const PageContent* page = content(page_)) {
    auto own = page->hoverItems();
    items.insert(items.end(), own.begin(), own.end());
  }
  return items;
}

void PageController::drawCommon() {
  canvas_.drawBackground(content(page_)->background());
  const auto items = hoverItems();
  const auto draw = [&](Control c) {
    for (const HoverItem& item : items)
      if (item.control == c) drawHoverItem(canvas_, item, false);
  };
  for (Control c : {Control::Minimise, Control::Close, Control::Skins, Control::Ok, Control::Apply,
                    Control::Cancel, Control::BasicTab, Control::AdvancedTab})
    draw(c);
}

void PageController::showPage(Page page) {
  if (page == page_ || page == Page::None) return;
  const Page previous = page_;
  page_ = page;
  if (PageContent* old = content(previous)) old->destroyChildren(controls_);
  content(page_)->willShow();
  repaint();
}

void PageController::redrawPage() {
  const Page shown = page_;
  if (PageContent* page = content(shown)) page->destroyChildren(controls_);
  page_ = Page::None;
  showPage(shown);
}

void PageController::prepare(Page page) {
  if (PageContent* c = content(page)) c->willShow();
}

void PageController::repaint() {
  PageContent* page = content(page_);
  if (page == nullptr) return;
  hover_.clear();
  drawCommon();
  page->draw(canvas_, controls_);
  canvas_.present();
}

void PageController::beforeShow(bool bufferKept) {
  if (page_ == Page::None) {
    showPage(Page::Basic);
  } else if (std::exchange(cancelled_, false)) {
    redrawPage();
  } else if (!bufferKept) {
    repaint();
  }
}

bool PageController::clickCommon(Point p) {
  // Neighbouring push buttons share a pixel column: only the first of them acts, so one click
  // never runs Apply twice or Apply and then Cancel.
  const auto hit = hitTest(commonRegions(), p);
  if (!hit) return false;
  switch (hit->control) {
    case Control::Ok:
      if (host_.mousePresent()) {
        host_.applyAndCommit();
        host_.hideWindow();
      }
      break;
    case Control::Apply:
      if (host_.mousePresent()) host_.applyAndCommit();
      break;
    case Control::Skins:
      if (host_.runSkinsDialog()) {
        redrawPage();
        host_.bringToFront();
      }
      break;
    case Control::Minimise: host_.hideWindow(); return true;
    case Control::Close: host_.closeProgram(); return true;
    case Control::BasicTab: showPage(Page::Basic); return true;
    case Control::AdvancedTab: showPage(Page::Advanced); return true;
    case Control::Cancel:
      host_.revert();
      cancelled_ = true;
      host_.hideWindow();
      break;
    default: break;
  }
  return false;
}

void PageController::click(Point p) {
  if (clickCommon(p)) return;
  PageContent* page = content(page_);
  if (page == nullptr) {
    host_.startDrag(p);
    return;
  }
  page->dismissLists(p);
  if (const auto hit = hitTest(page->regions(), p)) {
    page->click(*hit);
    return;
  }
  host_.startDrag(p);
}

void PageController::command(int id, Notify code) {
  if (PageContent* page = content(page_)) page->command(id, code);
}

void PageController::listHover(int id, Point p) {
  if (PageContent* page = content(page_)) page->listHover(id, p);
}

void PageController::mouseMove(Point p) {
  if (hover_.pointerMoved(canvas_, hoverItems(), p)) host_.trackHover();
}

void PageController::mouseHover(Point p) { hover_.pointerRested(canvas_, hoverItems(), p); }

}  // namespace k8
