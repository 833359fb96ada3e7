#pragma once
// The pages' controller: which of the two pages is shown, the common controls around them (OK,
// Apply, Cancel, skins, minimise, close, the tabs), click dispatch over the region tables and
// hover. It owns no window: the window system is reached only through Canvas, Controls and
// PageControllerHost, so all of it runs in native tests.

#include <string>
#include <vector>

#include "pages/canvas.h"
#include "pages/hover.h"
#include "pages/regions.h"

namespace k8 {

// What a click on a common control makes the program do.
class PageControllerHost {
 public:
  virtual ~PageControllerHost() = default;
  virtual bool mousePresent() const = 0;
  // Apply sequence on the working copy, then working -> committed and the system pointer settings.
  virtual void applyAndCommit() = 0;
  // committed -> working, the button captions with it.
  virtual void revert() = 0;
  virtual void hideWindow() = 0;
  // Runs the skins dialog; true when it was confirmed.
  virtual bool runSkinsDialog() = 0;
  virtual void bringToFront() = 0;
  // Destroy clean-up and process end with code 0; does not return in the program.
  virtual void closeProgram() = 0;
  // Lets the system move the window with the mouse, from client point p.
  virtual void startDrag(Point p) = 0;
  // Asks for one hover notice (10 ms) while the pointer rests on a tracked control.
  virtual void trackHover() = 0;
};

// One page's own controls. The base draws and does nothing; each page overrides what it has.
class PageContent {
 public:
  virtual ~PageContent() = default;
  virtual std::wstring_view background() const = 0;
  // The page's click regions in test order.
  virtual std::vector<Region> regions() const = 0;
  // Controls of this page that have over images, in hover-test order.
  virtual std::vector<HoverItem> hoverItems() const { return {}; }
  // Before the page's table is tested: close the lists the click point is outside of.
  virtual void dismissLists(Point) {}
  virtual void click(const Region&) {}
  // Just before the page is drawn for being shown (not for a redraw of the shown page).
  virtual void willShow() {}
  // A notification from one of the page's child controls.
  virtual void command(int /*id*/, Notify /*code*/) {}
  // The pointer moved over the page's child list `id`, at a point in the list's coordinates.
  virtual void listHover(int /*id*/, Point /*p*/) {}
  // The page's own controls, texts and child windows, after the common part.
  virtual void draw(Canvas&, Controls&) {}
  // Leaving the page: its child windows (and anything they need) go.
  virtual void destroyChildren(Controls&) {}
};

struct CommonTexts {
  std::wstring ok = L"OK";
  std::wstring apply = L"Apply";
  std::wstring cancel = L"Cancel";
};

// Switches between the Basic and Advanced pages and routes the window's input to the common
// controls or to the shown page.
class PageController {
 public:
  PageController(Canvas& canvas, Controls& controls, PageControllerHost& host, PageContent& basic,
                 PageContent& advanced);

  void setTexts(CommonTexts texts) { texts_ = std::move(texts); }

  void click(Point p);
  // Does nothing when the page is already shown.
  void showPage(Page page);
  // Draws the shown page afresh from the working copy (after Cancel or a skin change).
  void redrawPage();
  // A page's first-visit work without drawing it (start-up, with the window hidden).
  void prepare(Page page);
  // Draws the shown page again as it stands (into a new back buffer), keeping its child
  // controls and what they hold.
  void repaint();
  // The window is about to be shown; `bufferKept`: its back buffer still holds the shown page.
  // The first show draws the Basic page; after Cancel the shown page is drawn afresh from the
  // reverted settings; a dropped buffer gets the page again as it stood.
  void beforeShow(bool bufferKept);
  void mouseMove(Point p);
  void mouseHover(Point p);
  // A child control of the shown page notifies its parent.
  void command(int id, Notify code);
  // The pointer moves over a child list of the shown page (seen before the list gets it).
  void listHover(int id, Point p);

  Page currentPage() const { return page_; }
  bool isOver(Control control, int index = 0) const { return hover_.isOver(control, index); }
  // Common controls first, then the shown page's.
  std::vector<HoverItem> hoverItems() const;

 private:
  PageContent* content(Page page) const;
  void drawCommon();
  bool clickCommon(Point p);  // true when the click ends there

  Canvas& canvas_;
  Controls& controls_;
  PageControllerHost& host_;
  PageContent& basic_;
  PageContent& advanced_;
  CommonTexts texts_;
  Page page_ = Page::None;
  HoverState hover_;
  bool cancelled_ = false;  // Cancel hid the window: its page shows the committed settings again
};

// The window starts hidden: the first two frame paints hide it instead.
class StartHidden {
 public:
  // Called on each frame paint; true while the window is to be hidden instead.
  bool hideOnFramePaint() {
    if (remaining_ <= 0) return false;
    --remaining_;
    return true;
  }
  // The user opens the window: no later frame paint hides it.
  void disarm() { remaining_ = 0; }

 private:
  int remaining_ = 2;
};

}  // namespace k8
