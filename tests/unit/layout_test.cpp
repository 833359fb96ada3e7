#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

#include "pages/layout_table.h"
#include "pages/regions.h"
#include "pages/system_pointer.h"

namespace k8 {
namespace {

TEST(LayoutNames, NumbersMatchWholeAndInOrder) {
  using layout::detail::named;
  const std::array one{1}, ten{10};
  const std::array pair{3, 12};
  EXPECT_TRUE(named("function box 1", "function box #", one));
  EXPECT_FALSE(named("function box 10", "function box #", one)) << "10 is not 1";
  EXPECT_TRUE(named("function box 10", "function box #", ten));
  EXPECT_FALSE(named("DPI scale label 1 of 8", "DPI scale label #", one)) << "a longer name";
  EXPECT_TRUE(named("DPI stage 3 level 12", "DPI stage # level #", pair));
  EXPECT_FALSE(named("DPI stage 12 level 3", "DPI stage # level #", pair));
  EXPECT_FALSE(named("function box", "function box #", one)) << "no number where one belongs";
  EXPECT_FALSE(named("function box 1", "function box #", std::span<const int>{}));
}

TEST(LayoutNames, MissingRowsAreEmptyAtRunTime) {
  EXPECT_EQ(layout::at("basic", "function box #", {9}), Rect{});
  EXPECT_EQ(layout::at("nowhere", "OK"), Rect{});
  EXPECT_EQ(layout::at("pages", "OK"), layout::rect("pages", "OK"));
}

// A name twice in one window would make every lookup find the first row only.
TEST(LayoutTable, RowsAreNamedOnceAndNotEmpty) {
  std::set<std::string> seen;
  for (const layout::Row& row : layout::kRows) {
    const std::string key = std::string(row.window) + "/" + std::string(row.name);
    EXPECT_TRUE(seen.insert(key).second) << key << " twice";
    EXPECT_LT(row.rect.left, row.rect.right) << key;
    EXPECT_LT(row.rect.top, row.rect.bottom) << key;
  }
}

// Every click region of the main window is a rectangle of the table, so the skin checks and the
// renderer see the place a click lands.
TEST(LayoutTable, EveryClickRegionIsARow) {
  std::vector<Region> all(commonRegions().begin(), commonRegions().end());
  for (const Region& r : basicRegions(12)) all.push_back(r);
  for (const Region& r : advancedRegions()) all.push_back(r);
  for (const Region& r : all) {
    bool found = false;
    for (const layout::Row& row : layout::kRows)
      found = found || (row.rect == r.rect && (row.window == "pages" || row.window == "basic" ||
                                               row.window == "advanced"));
    EXPECT_TRUE(found) << static_cast<int>(r.control) << " " << r.index << "/" << r.level;
  }
}

// The common drop-down field stands where every dialog with it has it.
TEST(LayoutTable, TheCommonDropFieldIsTheSameInEachDialog) {
  for (const char* window : {"media-key", "windows-key", "macro-key", "skins"}) {
    EXPECT_EQ(layout::at(window, "drop-down field"), layout::rect("media-key", "drop-down field"))
        << window;
    EXPECT_EQ(layout::at(window, "value display"), layout::rect("media-key", "value display"))
        << window;
  }
}

// Each edge is rounded on its own, so rectangles that meet at 96 DPI meet at every scale, and a
// row of cells keeps no gaps; 96 DPI is the table itself.
TEST(LayoutScale, EdgesRoundOneWayAndNeighboursStillMeet) {
  for (const layout::Row& row : layout::kRows) EXPECT_EQ(layout::scaled(row.rect, 96), row.rect);
  EXPECT_EQ(layout::scaled(Rect{1, 3, 5, 7}, 144), (Rect{2, 5, 8, 11})) << "halves go up";
  EXPECT_EQ(layout::scaled(Rect{-8, -1, 0, 1}, 144), (Rect{-12, -1, 0, 2})) << "also below 0";
  EXPECT_EQ(layout::scaled(Rect{-3, 0, 0, 0}, 120), (Rect{-4, 0, 0, 0}));
  for (int dpi : {120, 144, 168, 192, 240, 288}) {
    const Rect ok = layout::scaled(layout::rect("pages", "OK"), dpi);
    const Rect apply = layout::scaled(layout::rect("pages", "Apply"), dpi);
    EXPECT_LT(apply.left, ok.right) << dpi << ": OK and Apply still overlap, with no gap";
    for (int p = 1; p < kPointerSteps; ++p) {
      const Rect cell = layout::scaled(layout::at("advanced", "slider row 1 cell #", {p}), dpi);
      const Rect next = layout::scaled(layout::at("advanced", "slider row 1 cell #", {p + 1}), dpi);
      EXPECT_EQ(cell.right, next.left) << dpi << ": cells " << p << " and " << p + 1;
    }
  }
  EXPECT_EQ(layout::scaled(layout::rect("pages", "OK"), 192).width(),
            2 * layout::rect("pages", "OK").width());
}

// A pixel maps back to the table so that hit-testing in table units agrees with the scaled
// rectangles the user sees, on every edge and at every scale (also where two pixels map to one
// unit, and where one unit spans two pixels).
TEST(LayoutScale, PixelsMapBackToTheRectangleThatCoversThem) {
  for (int dpi : {96, 120, 144, 168, 192, 240, 288}) {
    for (const layout::Row& row : layout::kRows) {
      const Rect on = layout::scaled(row.rect, dpi);
      for (const Point p : {Point{on.left, on.top}, Point{on.right - 1, on.bottom - 1},
                            Point{on.left - 1, on.top}, Point{on.right, on.bottom - 1}}) {
        EXPECT_EQ(row.rect.contains(layout::unscaled(p, dpi)), on.contains(p))
            << dpi << " " << row.window << " " << row.name << " at " << p.x << "," << p.y;
      }
    }
    for (int v = -5; v < 1000; ++v) ASSERT_EQ(layout::unscaled(layout::scaled(v, dpi), dpi), v);
  }
  EXPECT_EQ(layout::unscaled(Point{-1, 0}, 144).x, -1) << "left of the window stays outside";
}

}  // namespace
}  // namespace k8
