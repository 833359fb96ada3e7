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

TEST(ControlColours, MainWindowRules) {
  const Colour text{0, 255, 0};
  const std::array<Colour, 4> stages{{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}}};
  const auto rule = [&](ChildKind k, int id) { return mainWindowColours(k, id, text, stages); };

  EXPECT_EQ(rule(ChildKind::Static, kSwatchFirstId)->brush, (Colour{1, 2, 3}));
  EXPECT_EQ(rule(ChildKind::Static, kSwatchLastId)->brush, (Colour{10, 11, 12}));
  EXPECT_FALSE(rule(ChildKind::Static, kSwatchLastId)->text);
  for (int id : {kLightModeLabelId, kLightParameterLabelId, kLightOptionLabelId, kInsertLabelId}) {
    const auto r = rule(ChildKind::Static, id);
    EXPECT_EQ(r->textBackground, (Colour{0, 0, 0}));
    EXPECT_EQ(r->brush, (Colour{0, 0, 0}));
    EXPECT_TRUE(r->normalFont);
  }
  const auto label = rule(ChildKind::Static, kSwatchLastId + 1);
  EXPECT_EQ(label->text, text);
  EXPECT_EQ(label->textBackground, (Colour{100, 150, 100}));
  EXPECT_EQ(label->brush, (Colour{100, 150, 100}));
  EXPECT_FALSE(label->transparent);

  EXPECT_TRUE(rule(ChildKind::Edit, 5)->transparent);
  EXPECT_EQ(rule(ChildKind::ListBox, kMacroListId)->brush, (Colour{14, 15, 14}));
  EXPECT_EQ(rule(ChildKind::ListBox, kSequenceListId)->text, text);
  const auto drop = rule(ChildKind::ListBox, kFunctionListFirstId);
  EXPECT_EQ(drop->text, (Colour{255, 255, 255}));
  EXPECT_EQ(drop->brush, (Colour{0, 0, 0}));
  EXPECT_TRUE(drop->normalFont);
  EXPECT_FALSE(rule(ChildKind::Other, 1));
}

TEST(StartHidden, TheFirstTwoFramePaintsHideTheWindow) {
  StartHidden s;
  EXPECT_TRUE(s.hideOnFramePaint());
  EXPECT_TRUE(s.hideOnFramePaint());
  EXPECT_FALSE(s.hideOnFramePaint());
  EXPECT_FALSE(s.hideOnFramePaint());
}

}  // namespace
}  // namespace k8
