#include <gtest/gtest.h>

#include <span>

#include "pages/layout_table.h"
#include "pages_fakes.h"

namespace k8 {
namespace {

using testing::centre;
using testing::PageControllerRig;
using testing::rectText;
using Calls = std::vector<std::string>;

struct CommonCase {
  Control control;
  Rect rect;
  Calls calls;  // what a click inside does (the mouse present), on the Basic page
};

// The common table with each row's flow: rows that do not end the click fall through to the page
// table, where the background claims nothing, so the window is dragged.
const CommonCase kCommon[] = {
    {Control::Ok, layout::rect("pages", "OK"), {"apply", "hide", "drag"}},
    {Control::Apply, layout::rect("pages", "Apply"), {"apply", "drag"}},
    {Control::Skins, layout::rect("pages", "Skins"), {"skins", "drag"}},
    {Control::Minimise, layout::rect("pages", "Minimise"), {"hide"}},
    {Control::Close, layout::rect("pages", "Close"), {"close"}},
    {Control::BasicTab, layout::rect("pages", "Basic tab"), {}},
    {Control::AdvancedTab, layout::rect("pages", "Advanced tab"), {}},
    {Control::Cancel, layout::rect("pages", "Cancel"), {"revert", "hide", "drag"}},
};

std::string dragAt(Point p) { return "drag " + std::to_string(p.x) + "," + std::to_string(p.y); }

Calls withDragAt(Calls calls, Point p) {
  for (auto& c : calls)
    if (c == "drag") c = "drag " + std::to_string(p.x) + "," + std::to_string(p.y);
  return calls;
}

TEST(CommonRegions, EveryRowActsInsideAndNotOnItsExclusiveEdges) {
  for (const CommonCase& row : kCommon) {
    const Rect r = row.rect;
    // Apply's and Cancel's first column is their left neighbour's last (see SharedEdge below).
    const int left =
        row.control == Control::Apply || row.control == Control::Cancel ? r.left + 1 : r.left;
    for (Point p : {Point{left, r.top}, Point{r.right - 1, r.bottom - 1}}) {
      PageControllerRig rig;
      rig.show(Page::Basic);
      rig.controller.click(p);
      if (row.control == Control::AdvancedTab) {
        EXPECT_EQ(rig.controller.currentPage(), Page::Advanced);
      } else {
        EXPECT_EQ(rig.host.take(), withDragAt(row.calls, p)) << rectText(r);
        EXPECT_EQ(rig.controller.currentPage(), Page::Basic);
      }
    }
    // Just outside the right and bottom edges nothing of this row happens (OK's right edge
    // column belongs to Apply, Apply's to Cancel).
    for (Point p : {Point{r.right, r.top}, Point{r.left, r.bottom}}) {
      PageControllerRig rig;
      rig.show(Page::Basic);
      rig.controller.click(p);
      const Calls calls = rig.host.take();
      const auto next = hitTest(commonRegions(), p);
      if (next) {
        EXPECT_NE(next->control, row.control) << rectText(r);
      } else {
        EXPECT_EQ(calls, withDragAt({"drag"}, p)) << rectText(r);
      }
    }
  }
}

TEST(CommonRegions, AClickOnASharedEdgeActsOnOneButtonOnly) {
  PageControllerRig rig;
  rig.show(Page::Basic);
  const Point okLast{kCommon[0].rect.right - 1, kCommon[0].rect.top + 7};
  ASSERT_TRUE(kCommon[1].rect.contains(okLast)) << "OK's last column is Apply's first";
  rig.controller.click(okLast);
  EXPECT_EQ(rig.host.take(), (Calls{"apply", "hide", dragAt(okLast)}));
  const Point applyLast{kCommon[1].rect.right - 1, kCommon[1].rect.top + 7};
  ASSERT_TRUE(kCommon[7].rect.contains(applyLast)) << "Apply's last column is Cancel's first";
  rig.controller.click(applyLast);
  EXPECT_EQ(rig.host.take(), (Calls{"apply", dragAt(applyLast)}));
}

TEST(CommonRegions, OkAndApplyNeedTheMouse) {
  PageControllerRig rig;
  rig.show(Page::Basic);
  rig.host.present = false;
  const Point ok = centre(kCommon[0].rect), apply = centre(kCommon[1].rect);
  rig.controller.click(ok);
  rig.controller.click(apply);
  EXPECT_EQ(rig.host.take(), (Calls{dragAt(ok), dragAt(apply)}));
}

TEST(CommonRegions, ConfirmedSkinsRedrawTheShownPageAndRaiseTheWindow) {
  PageControllerRig rig;
  rig.show(Page::Advanced);
  const Point skins = centre(kCommon[2].rect);
  rig.controller.click(skins);
  EXPECT_TRUE(rig.canvas.take().empty()) << "a cancelled skins dialog draws nothing";
  rig.host.take();

  rig.host.skinsConfirmed = true;
  rig.controller.click(skins);
  EXPECT_EQ(rig.host.take(), (Calls{"skins", "front", dragAt(skins)}));
  EXPECT_EQ(rig.advanced.destroyed, 1);
  EXPECT_EQ(rig.advanced.drawn, 2);
  EXPECT_EQ(rig.canvas.ops.front(), "image /AdvancedSet2.png 0,0");
  EXPECT_EQ(rig.controller.currentPage(), Page::Advanced);
}

TEST(PageSwitching, TabOfTheShownPageRedrawsNothing) {
  PageControllerRig rig;
  rig.show(Page::Basic);
  rig.controller.click(centre(layout::rect("pages", "Basic tab")));
  EXPECT_TRUE(rig.canvas.ops.empty());
  EXPECT_TRUE(rig.host.calls.empty());
  EXPECT_EQ(rig.basic.drawn, 1);
  EXPECT_TRUE(rig.basic.dismissed.empty()) << "the tab click ends before the page table";
}

TEST(PageSwitching, TabsSwapPagesAndDestroyTheOldPagesChildren) {
  PageControllerRig rig;
  rig.show(Page::Basic);
  const Rect basicTab = layout::rect("pages", "Basic tab"),
             advancedTab = layout::rect("pages", "Advanced tab");
  rig.controller.click({advancedTab.left, advancedTab.top});
  EXPECT_EQ(rig.controller.currentPage(), Page::Advanced);
  EXPECT_EQ(rig.basic.destroyed, 1);
  EXPECT_EQ(rig.advanced.drawn, 1);
  rig.controller.click({basicTab.right - 1, basicTab.bottom - 1});
  EXPECT_EQ(rig.controller.currentPage(), Page::Basic);
  EXPECT_EQ(rig.advanced.destroyed, 1);
  EXPECT_EQ(rig.basic.drawn, 2);
}

TEST(PageSwitching, NoPageYetDragsOnEveryUnclaimedClick) {
  PageControllerRig rig;
  const Point ok = centre(kCommon[0].rect);
  rig.controller.click({300, 300});
  rig.controller.click(ok);  // OK falls through to the drag as well
  EXPECT_EQ(rig.host.take(), (Calls{"drag 300,300", "apply", "hide", dragAt(ok)}));
  EXPECT_TRUE(rig.canvas.ops.empty());
}

// Both corners of every region reach the page's click handler as that region; `check` looks at
// what else the click did.
template <class Clicks, class Check>
void expectEveryRegionResolves(Page page, std::span<const Region> regions, Clicks clicks,
                               Check check) {
  for (const Region& r : regions) {
    // Left edges shared with the previous control are checked in the spot checks.
    for (Point p :
         {Point{r.rect.left + 1, r.rect.top}, Point{r.rect.right - 1, r.rect.bottom - 1}}) {
      PageControllerRig rig;
      rig.show(page);
      rig.controller.click(p);
      const std::vector<Region>& got = clicks(rig);
      ASSERT_EQ(got.size(), 1u) << rectText(r.rect);
      EXPECT_EQ(got[0].control, r.control);
      EXPECT_EQ(got[0].index, r.index);
      EXPECT_EQ(got[0].level, r.level);
      check(rig);
    }
  }
}

TEST(BasicPageRegions, EveryControlResolvesInTableOrder) {
  const auto regions = basicRegions(12);
  ASSERT_EQ(regions.size(), 3u + 8 + 4 + 4 + 4 + 3 + 48);
  expectEveryRegionResolves(
      Page::Basic, regions, [](PageControllerRig & rig) -> auto& { return rig.basic.clicks; },
      [](PageControllerRig& rig) {
        EXPECT_TRUE(rig.host.calls.empty());
        EXPECT_EQ(rig.basic.dismissed.size(), 1u) << "open lists are dismissed before the test";
      });
}

TEST(BasicPageRegions, SharedEdgesGapsAndTheShortScale) {
  using layout::rect;
  const auto at = [](Point p, int scale = 12) { return hitTest(basicRegions(scale), p); };
  // Between two function boxes nothing is hit; each box's corners are its own.
  for (int k = 1; k < kFunctionBoxes; ++k) {
    const Rect box = layout::at("basic", "function box #", {k});
    const Rect next = layout::at("basic", "function box #", {k + 1});
    ASSERT_LT(box.bottom, next.top) << "boxes " << k << " and " << k + 1 << " touch";
    EXPECT_FALSE(at({box.left + 40, box.bottom}));
    EXPECT_EQ(at({box.right - 1, box.bottom - 1})->index, k);
  }
  // "Mode A" and "Mode B" share a column: Mode A is tested first.
  const Rect modeA = rect("basic", "Mode A");
  ASSERT_EQ(modeA.right - 1, rect("basic", "Mode B").left);
  EXPECT_EQ(at({modeA.right - 1, modeA.top + 2})->control, Control::ModeA);
  EXPECT_EQ(at({modeA.right, modeA.top + 2})->control, Control::ModeB);
  const Rect r125 = rect("basic", "report rate 125");
  EXPECT_EQ(at({r125.right, r125.top + 2}), std::nullopt) << "between the 125 and 250 segments";
  // Levels 9-12 exist only on the 12-step scale.
  const Rect level12 = rect("basic", "DPI stage # level #", {3, 12});
  const auto cell = at({level12.left, level12.top});
  ASSERT_TRUE(cell);
  EXPECT_EQ(cell->control, Control::DpiCell);
  EXPECT_EQ(cell->index, 3);
  EXPECT_EQ(cell->level, 12);
  EXPECT_FALSE(at({level12.left, level12.top}, 8));
  const Rect level8 = rect("basic", "DPI stage # level #", {3, 8});
  EXPECT_EQ(at({level8.left, level8.top}, 8)->level, 8);
}

TEST(BasicPageRegions, UnclaimedClicksDrag) {
  PageControllerRig rig;
  rig.show(Page::Basic);
  rig.basic.scale = 8;
  const Rect box1 = layout::rect("basic", "function box 1");
  const Rect level10 = layout::rect("basic", "DPI stage 1 level 10");
  rig.controller.click({box1.left + 48, box1.bottom});    // between boxes 1 and 2
  rig.controller.click({level10.left + 6, level10.top});  // on an 8-step scale
  EXPECT_EQ(
      rig.host.take(),
      (Calls{"drag " + std::to_string(box1.left + 48) + "," + std::to_string(box1.bottom),
             "drag " + std::to_string(level10.left + 6) + "," + std::to_string(level10.top)}));
  EXPECT_TRUE(rig.basic.clicks.empty());
}

TEST(AdvancedPageRegions, EveryControlResolvesInTableOrder) {
  const auto regions = advancedRegions();
  ASSERT_EQ(regions.size(), 9u + 33);
  expectEveryRegionResolves(
      Page::Advanced, regions, [](PageControllerRig & rig) -> auto& { return rig.advanced.clicks; },
      [](PageControllerRig&) {});
  const auto at = [&](Point p) { return hitTest(regions, p); };
  const Rect newMacro = layout::rect("advanced", "New");
  EXPECT_EQ(at({newMacro.right - 1, newMacro.top + 2})->control, Control::NewMacro)
      << "shared column goes to the first";
  const Rect last = layout::rect("advanced", "slider row 3 cell 11");
  EXPECT_EQ(at({last.right - 1, last.top})->level, 11);
  EXPECT_FALSE(at({last.right, last.top}));
  EXPECT_FALSE(at({last.left, last.bottom}));
}

// An open list hangs under its field, as wide: a click on the field is never one on the list.
TEST(OpenListAreas, LieUnderTheirFields) {
  for (int k = 1; k <= kFunctionBoxes; ++k) {
    const Rect box = regionOf(Control::FunctionBox, k), list = functionListArea(k);
    EXPECT_EQ(list.top, box.bottom + 1) << k;
    EXPECT_EQ(list.left, box.left) << k;
    EXPECT_EQ(list.right, box.right) << k;
  }
  const Rect insert = regionOf(Control::InsertEventBox), list = insertEventListArea();
  EXPECT_GT(list.top, insert.bottom);
  EXPECT_LE(list.left, insert.left);
  EXPECT_EQ(list.right, insert.right);
  EXPECT_EQ(functionListArea(0), Rect{});
  EXPECT_EQ(functionListArea(kFunctionBoxes + 1), Rect{});
}

}  // namespace
}  // namespace k8
