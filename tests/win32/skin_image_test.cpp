#include <gtest/gtest.h>

#include "skin/mem_dc_win32.h"
#include "skin/skin_image_win32.h"
#include "skin_test_support_win32.h"

namespace k8 {
namespace {

using testing::drawDecodedImage;
using testing::Rgb;
using testing::skinData;
using testing::TargetBitmap;

TEST(SkinImage, AlphaImagesArePremultipliedAndBlendedOverTheBackground) {
  {
    const SkinImage image(skinData(L"/alpha.png"));
    ASSERT_TRUE(image.ok());
    EXPECT_TRUE(image.hasAlpha());
    EXPECT_EQ(image.width(), 4);
    DIBSECTION dib{};
    ASSERT_NE(GetObjectW(image.bitmap(), sizeof(dib), &dib), 0);
    EXPECT_EQ(dib.dsBm.bmBitsPixel, 32);
    const auto* px = static_cast<const std::uint8_t*>(dib.dsBm.bmBits);
    EXPECT_EQ(px[2], 128) << "red 255 at alpha 128";
    EXPECT_EQ(px[3], 128);
    EXPECT_EQ(px[8 + 0], 0) << "blue at alpha 0 is black";
    EXPECT_EQ(px[12 + 0], 64) << "white at alpha 64";
    EXPECT_GE(ImageLibrary::liveImages(), 1);
  }
  TargetBitmap target(4, 1, {100, 100, 100});
  ASSERT_TRUE(drawDecodedImage(target.dc(), SkinImage(skinData(L"/alpha.png")), 0, 0));
  const Rgb half = target.at(0, 0);
  EXPECT_NEAR(half.r, 128 + 100 * 127 / 255, 1);
  EXPECT_NEAR(half.g, 100 * 127 / 255, 1) << "the background shows through, not black";
  EXPECT_EQ(target.at(1, 0), (Rgb{0, 255, 0}));
  EXPECT_EQ(target.at(2, 0), (Rgb{100, 100, 100})) << "fully transparent leaves the background";
}

TEST(SkinImage, ImagesWithoutAlphaAreDrawnOpaqueAndUnchanged) {
  const SkinImage image(skinData(L"/opaque24.png"));
  ASSERT_TRUE(image.ok());
  EXPECT_FALSE(image.hasAlpha());
  TargetBitmap target(3, 1, {1, 2, 3});
  ASSERT_TRUE(drawDecodedImage(target.dc(), SkinImage(skinData(L"/opaque24.png")), 1, 0));
  EXPECT_EQ(target.at(0, 0), (Rgb{1, 2, 3}));
  EXPECT_EQ(target.at(1, 0), (Rgb{10, 20, 30}));
  EXPECT_EQ(target.at(2, 0), (Rgb{200, 100, 50}));

  // A palette image with a transparent entry keeps its transparency.
  TargetBitmap paletted(2, 1, {7, 7, 7});
  ASSERT_TRUE(drawDecodedImage(paletted.dc(), SkinImage(skinData(L"/palette.png")), 0, 0));
  EXPECT_EQ(paletted.at(0, 0), (Rgb{7, 7, 7}));
  EXPECT_EQ(paletted.at(1, 0), (Rgb{0, 0, 255}));
}

TEST(SkinImage, UnreadableFilesFailWithoutDrawingAndTheLibraryStops) {
  TargetBitmap target(2, 2, {9, 9, 9});
  for (const wchar_t* name : {L"/corrupt.png", L"/missing.png", L"/"}) {
    EXPECT_FALSE(drawDecodedImage(target.dc(), SkinImage(skinData(name)), 0, 0)) << name;
  }
  EXPECT_EQ(target.at(1, 1), (Rgb{9, 9, 9}));
  EXPECT_FALSE(drawDecodedImage(nullptr, SkinImage(skinData(L"/alpha.png")), 0, 0));
  EXPECT_EQ(ImageLibrary::liveImages(), 0);
  EXPECT_FALSE(ImageLibrary::running()) << "the last image shuts GDI+ down";
}

TEST(CMemDC, DrawsOffScreenAndCopiesOnceAtTheEnd) {
  TargetBitmap target(20, 20, {0, 0, 0});
  {
    CMemDC memory(target.dc(), RECT{5, 6, 15, 16});
    ASSERT_TRUE(memory.buffering());
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT all{0, 0, 20, 20};
    FillRect(memory, &all, red);  // clipped to the buffer: its origin is the rectangle's corner
    DeleteObject(red);
    SetPixel(memory, 5, 6, RGB(0, 0, 255));
    EXPECT_EQ(target.at(10, 10), (Rgb{0, 0, 0})) << "nothing reaches the target before the end";
  }
  EXPECT_EQ(target.at(5, 6), (Rgb{0, 0, 255}));
  EXPECT_EQ(target.at(14, 15), (Rgb{255, 0, 0}));
  EXPECT_EQ(target.at(15, 15), (Rgb{0, 0, 0}));
  EXPECT_EQ(target.at(4, 6), (Rgb{0, 0, 0}));

  {
    CMemDC whole(target.dc());  // no rectangle: the target's clip box
    EXPECT_EQ(whole.rect().right, 20);
    EXPECT_EQ(whole.rect().bottom, 20);
  }
}

}  // namespace
}  // namespace k8
