#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

#include "pages/layout_table.h"
#include "pages/regions.h"

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

}  // namespace
}  // namespace k8
