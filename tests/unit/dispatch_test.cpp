#include <gtest/gtest.h>

#include "pages_fakes.h"

namespace k8 {
namespace {

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
    {Control::Ok, {562, 623, 667, 644}, {"apply", "hide", "drag"}},
    {Control::Apply, {666, 623, 771, 644}, {"apply", "drag"}},
    {Control::Skins, {701, 5, 719, 23}, {"skins", "drag"}},
    {Control::Minimise, {825, 5, 843, 23}, {"hide"}},
    {Control::Close, {850, 5, 868, 23}, {"close"}},
    {Control::BasicTab, {14, 54, 54, 94}, {}},
    {Control::AdvancedTab, {60, 54, 100, 94}, {}},
    {Control::Cancel, {770, 623, 875, 644}, {"revert", "hide", "drag"}},
};

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
  rig.controller.click({666, 630});  // OK's last column is Apply's first
  EXPECT_EQ(rig.host.take(), (Calls{"apply", "hide", "drag 666,630"}));
  rig.controller.click({770, 630});  // Apply's last column is Cancel's first
  EXPECT_EQ(rig.host.take(), (Calls{"apply", "drag 770,630"}));
}

TEST(CommonRegions, OkAndApplyNeedTheMouse) {
  PageControllerRig rig;
  rig.show(Page::Basic);
  rig.host.present = false;
  rig.controller.click({600, 630});
  rig.controller.click({700, 630});
  EXPECT_EQ(rig.host.take(), (Calls{"drag 600,630", "drag 700,630"}));
}

TEST(CommonRegions, ConfirmedSkinsRedrawTheShownPageAndRaiseTheWindow) {
  PageControllerRig rig;
  rig.show(Page::Advanced);
  rig.controller.click({705, 10});
  EXPECT_TRUE(rig.canvas.take().empty()) << "a cancelled skins dialog draws nothing";
  rig.host.take();

  rig.host.skinsConfirmed = true;
  rig.controller.click({705, 10});
  EXPECT_EQ(rig.host.take(), (Calls{"skins", "front", "drag 705,10"}));
  EXPECT_EQ(rig.advanced.destroyed, 1);
  EXPECT_EQ(rig.advanced.drawn, 2);
  EXPECT_EQ(rig.canvas.ops.front(), "image /AdvancedSet2.png 0,0");
  EXPECT_EQ(rig.controller.currentPage(), Page::Advanced);
}

TEST(PageSwitching, TabOfTheShownPageRedrawsNothing) {
  PageControllerRig rig;
  rig.show(Page::Basic);
  rig.controller.click({20, 60});
  EXPECT_TRUE(rig.canvas.ops.empty());
  EXPECT_TRUE(rig.host.calls.empty());
  EXPECT_EQ(rig.basic.drawn, 1);
  EXPECT_TRUE(rig.basic.dismissed.empty()) << "the tab click ends before the page table";
}

TEST(PageSwitching, TabsSwapPagesAndDestroyTheOldPagesChildren) {
  PageControllerRig rig;
  rig.show(Page::Basic);
  rig.controller.click({60, 54});
  EXPECT_EQ(rig.controller.currentPage(), Page::Advanced);
  EXPECT_EQ(rig.basic.destroyed, 1);
  EXPECT_EQ(rig.advanced.drawn, 1);
  rig.controller.click({53, 93});
  EXPECT_EQ(rig.controller.currentPage(), Page::Basic);
  EXPECT_EQ(rig.advanced.destroyed, 1);
  EXPECT_EQ(rig.basic.drawn, 2);
}

TEST(PageSwitching, NoPageYetDragsOnEveryUnclaimedClick) {
  PageControllerRig rig;
  rig.controller.click({300, 300});
  rig.controller.click({600, 630});  // OK falls through to the drag as well
  EXPECT_EQ(rig.host.take(), (Calls{"drag 300,300", "apply", "hide", "drag 600,630"}));
  EXPECT_TRUE(rig.canvas.ops.empty());
}

TEST(BasicPageRegions, EveryControlResolvesInTableOrder) {
  const auto regions = basicRegions(12);
  ASSERT_EQ(regions.size(), 3u + 8 + 4 + 4 + 4 + 3 + 48);
  for (const Region& r : regions) {
    // Left edges shared with the previous control are checked in the spot checks.
    for (Point p :
         {Point{r.rect.left + 1, r.rect.top}, Point{r.rect.right - 1, r.rect.bottom - 1}}) {
      PageControllerRig rig;
      rig.show(Page::Basic);
      rig.controller.click(p);
      ASSERT_EQ(rig.basic.clicks.size(), 1u) << rectText(r.rect);
      const Region& got = rig.basic.clicks[0];
      EXPECT_EQ(got.control, r.control);
      EXPECT_EQ(got.index, r.index);
      EXPECT_EQ(got.level, r.level);
      EXPECT_TRUE(rig.host.calls.empty());
      ASSERT_EQ(rig.basic.dismissed.size(), 1u) << "open lists are dismissed before the test";
    }
  }
}

TEST(BasicPageRegions, SpotChecksAgainstTheLayout) {
  const auto at = [](Point p, int scale = 12) { return hitTest(basicRegions(scale), p); };
  EXPECT_EQ(at({252, 199})->control, Control::FunctionBox);
  EXPECT_EQ(at({462, 219})->index, 1);
  EXPECT_FALSE(at({300, 220})) << "gap between box 1 and box 2";
  EXPECT_FALSE(at({300, 221}));
  EXPECT_EQ(at({300, 222})->index, 2);
  EXPECT_EQ(at({300, 380})->index, 8);
  EXPECT_FALSE(at({300, 381}));
  // "Mode A" and "Mode B" share column 357: Mode A is tested first.
  EXPECT_EQ(at({357, 520})->control, Control::ModeA);
  EXPECT_EQ(at({358, 520})->control, Control::ModeB);
  EXPECT_EQ(at({613, 210}), std::nullopt) << "between the 125 and 250 segments";
  EXPECT_EQ(at({827, 214})->index, 4);
  EXPECT_EQ(at({581, 541})->control, Control::DpiEnable);
  EXPECT_EQ(at({650, 538})->control, Control::DpiColour);
  EXPECT_EQ(at({650, 538})->index, 4);
  EXPECT_EQ(at({850, 403})->index, 3);
  const auto cell = at({608, 500 - 18 * 11});
  ASSERT_TRUE(cell);
  EXPECT_EQ(cell->control, Control::DpiCell);
  EXPECT_EQ(cell->index, 3);
  EXPECT_EQ(cell->level, 12);
  EXPECT_FALSE(at({608, 500 - 18 * 11}, 8)) << "level 12 only exists on the 12-step scale";
  EXPECT_EQ(at({608, 500 - 18 * 7}, 8)->level, 8);
}

TEST(BasicPageRegions, UnclaimedClicksDrag) {
  PageControllerRig rig;
  rig.show(Page::Basic);
  rig.basic.scale = 8;
  rig.controller.click({300, 220});
  rig.controller.click({560, 500 - 18 * 9});  // level 10 of stage 1 on an 8-step scale
  EXPECT_EQ(rig.host.take(), (Calls{"drag 300,220", "drag 560,338"}));
  EXPECT_TRUE(rig.basic.clicks.empty());
}

TEST(AdvancedPageRegions, EveryControlResolvesInTableOrder) {
  const auto regions = advancedRegions();
  ASSERT_EQ(regions.size(), 9u + 33);
  for (const Region& r : regions) {
    // Left edges shared with the previous control are checked in the spot checks.
    for (Point p :
         {Point{r.rect.left + 1, r.rect.top}, Point{r.rect.right - 1, r.rect.bottom - 1}}) {
      PageControllerRig rig;
      rig.show(Page::Advanced);
      rig.controller.click(p);
      ASSERT_EQ(rig.advanced.clicks.size(), 1u) << rectText(r.rect);
      EXPECT_EQ(rig.advanced.clicks[0].control, r.control);
      EXPECT_EQ(rig.advanced.clicks[0].index, r.index);
      EXPECT_EQ(rig.advanced.clicks[0].level, r.level);
    }
  }
  const auto at = [&](Point p) { return hitTest(regions, p); };
  EXPECT_EQ(at({617, 530})->control, Control::NewMacro) << "shared column goes to the first";
  EXPECT_EQ(at({52, 200})->level, 1);
  EXPECT_EQ(at({76, 210})->level, 2);
  EXPECT_EQ(at({315, 505})->index, 3);
  EXPECT_EQ(at({315, 505})->level, 11);
  EXPECT_FALSE(at({316, 505}));
  EXPECT_FALSE(at({100, 211}));
}

TEST(BasicPageRegions, OpenListAreas) {
  EXPECT_EQ(functionListArea(1), (Rect{252, 221, 463, 491}));
  EXPECT_EQ(functionListArea(8), (Rect{252, 382, 463, 652}));
}

}  // namespace
}  // namespace k8
