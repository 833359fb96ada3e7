#include <gtest/gtest.h>

#include <vector>

#include "pages/control_colours.h"
#include "pages/control_ids.h"
#include "pages/page_controller.h"
#include "skin/premultiply.h"
#include "skin/skinned_frame.h"

namespace k8 {
namespace {

TEST(Premultiply, ScalesColoursByAlphaWithTruncation) {
  std::vector<std::uint8_t> px{
      200, 100, 255, 128,  // half transparent
      10,  20,  30,  255,  // opaque: unchanged
      90,  90,  90,  0,    // fully transparent: black
      1,   2,   3,   1,    // rounding always down
      77,  66,             // a partial trailing pixel is left alone
  };
  premultiplyBgra(px);
  EXPECT_EQ(px, (std::vector<std::uint8_t>{100, 50, 128, 128, 10, 20, 30, 255, 0, 0, 0, 0, 0, 0, 0,
                                           1, 77, 66}));
}

TEST(ControlColours, EachSwatchTakesItsOwnStagesColourAndListsKeepTheirBackgrounds) {
  const std::array<Colour, 4> stages{{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}}};
  for (int id = kSwatchFirstId; id <= kSwatchLastId; ++id) {
    const auto swatch = mainWindowColours(ChildKind::Static, id, {}, stages);
    EXPECT_EQ(swatch->brush, stages[static_cast<std::size_t>(id - kSwatchFirstId)]) << id;
    EXPECT_FALSE(swatch->text) << id;
  }
  // The macro lists lie on the page's dark panel, the drop lists on their own black.
  const auto list = [&](int id) { return mainWindowColours(ChildKind::ListBox, id, {}, stages); };
  EXPECT_EQ(list(kMacroListId)->brush, list(kSequenceListId)->brush);
  EXPECT_NE(list(kMacroListId)->brush, list(kFunctionListFirstId)->brush);
}

}  // namespace
}  // namespace k8
