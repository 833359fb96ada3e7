// The colours a window keeps brushes for: only those its controls are painted with now.
#include "skin/colour_slots.h"

#include <gtest/gtest.h>

namespace k8 {
namespace {

TEST(ColourSlots, ABrushGoesWhenTheLastControlPaintedWithItsColourTakesAnother) {
  ColourSlots slots;
  constexpr int kSwatch = 561, kList = 562, kField = 563;
  slots.use(kList, 0x000000);
  slots.use(kField, 0x000000);
  slots.use(kSwatch, 0x0000FF);
  // Picking colour after colour for the swatch keeps one brush for it, not one per pick.
  for (std::uint32_t c = 1; c <= 100; ++c)
    EXPECT_EQ(slots.use(kSwatch, c << 8), c == 1 ? 0xFF : (c - 1) << 8);
  // A colour another control still uses stays; the same colour again changes nothing.
  EXPECT_EQ(slots.use(kList, 0x123456), std::nullopt);
  EXPECT_EQ(slots.use(kField, 0x123456), 0x000000u);
  EXPECT_EQ(slots.use(kField, 0x123456), std::nullopt);
}

}  // namespace
}  // namespace k8
