#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "pages/control_colours.h"
#include "pages/control_ids.h"
#include "pages/page_controller.h"
#include "pages/skin_names.h"
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

TEST(SkinNames, EveryShippedSkinHoldsExactlyTheImagesTheCodeNames) {
  const std::set<std::wstring> named{
      img::kMain,           img::kBasicPage,      img::kAdvancedPage,     img::kMinNormal,
      img::kMinOver,        img::kSkinsNormal,    img::kSkinsOver,        img::kPrePageNormal,
      img::kPrePageOver,    img::kNextPageNormal, img::kNextPageOver,     img::kDropdownNormal,
      img::kDropdownOver,   img::kPane,           img::kPaneTicked,       img::kSliderDpiDark,
      img::kSliderDpiLight, img::kSliderRateDark, img::kSliderRateLight,  img::kSliderDark,
      img::kSliderLight,    img::kButtonNormal,   img::kButtonOver,       img::kCloseNormal,
      img::kCloseOver,      img::kFireKeyDialog,  img::kDelayTimeDialog,  img::kSingleKeyDialog,
      img::kComboKeyDialog, img::kMediaKeyDialog, img::kWindowsKeyDialog, img::kMacroKeyDialog,
      img::kSkinsDialog};
  EXPECT_EQ(named.size(), 33u) << "two names for one image";
  std::filesystem::path skins = std::filesystem::path(K8_SOURCE_DIR) / "skins";
#ifdef _WIN32
  if (!std::filesystem::exists(skins)) skins = std::filesystem::path("Z:" K8_SOURCE_DIR) / "skins";
#endif
  for (const char* skin : {"Default", "Frost"}) {
    std::set<std::wstring> shipped;
    for (const auto& file : std::filesystem::directory_iterator(skins / skin))
      if (file.path().extension() == ".png")
        shipped.insert(L"/" + file.path().filename().wstring());
    EXPECT_EQ(shipped, named) << skin;
  }
}

}  // namespace
}  // namespace k8
