// Macro images from event lines and from record.ini.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "macros/macro_encoder.h"
#include "platform/profile_text.h"

namespace k8 {
namespace {

using Lines = std::vector<std::wstring>;
using Bytes = std::vector<std::uint8_t>;

// The image after the lines are encoded into an image whose repeat count is 1.
Bytes encode(const Lines& lines, std::size_t shown = 8) {
  MacroImage image{};
  image.fill(0xEE);
  image[0] = 0x00;
  image[1] = 0x01;
  encodeMacroSteps(lines, image);
  for (std::size_t i = shown; i < image.size(); ++i) {
    EXPECT_EQ(image[i], 0) << "byte " << i;
  }
  return Bytes(image.begin(), image.begin() + static_cast<long>(shown));
}

TEST(EncodeMacroSteps, WorkedExamples) {
  EXPECT_EQ(encode({L"A   Dn", L"50 ms", L"A   Up"}), (Bytes{0, 1, 0x05, 0x04, 0x80, 0x04, 0, 0}));
  EXPECT_EQ(encode({L"A   Dn", L"2000 ms"}), (Bytes{0, 1, 0x00, 0x04, 0x14, 0x03, 0, 0}));
  EXPECT_EQ(encode({L"A   Up", L"1500 ms"}), (Bytes{0, 1, 0x80, 0x04, 0x0F, 0x03, 0, 0}));
}

TEST(EncodeMacroSteps, DelayBoundariesAndKeyCodes) {
  EXPECT_EQ(encode({L"A   Dn", L"1270 ms"}, 4), (Bytes{0, 1, 0x7F, 0x04}));
  EXPECT_EQ(encode({L"A   Dn", L"1271 ms"}, 6), (Bytes{0, 1, 0x47, 0x04, 0x0C, 0x03}));
  EXPECT_EQ(encode({L"A   Up", L"1271 ms"}, 6), (Bytes{0, 1, 0xC7, 0x04, 0x0C, 0x03}));
  EXPECT_EQ(encode({L"A   Dn", L"5 ms"}, 4), (Bytes{0, 1, 0x00, 0x04}));
  // Event followed by an event: delay 0. Mouse buttons and unknown names.
  EXPECT_EQ(encode({L"L-Button   Dn", L"R-Button   Dn", L"M-Button   Up", L"NoSuchKey   Dn"}, 10),
            (Bytes{0, 1, 0x00, 0xF0, 0x00, 0xF1, 0x80, 0xF2, 0x00, 0x00}));
  // A delay text that is no number, and a huge one, never overflow.
  EXPECT_EQ(encode({L"A   Dn", L"ms", L"A   Up", L"99999999999999 ms"}, 8),
            (Bytes{0, 1, 0x00, 0x04, 0xDF, 0x04, 0x28, 0x03}));
}

TEST(EncodeMacroSteps, DelayOnlyKeepsRepeatCountAndClearsTheRest) {
  EXPECT_EQ(encode({L"50 ms", L"2000 ms"}, 2), (Bytes{0, 1}));
}

TEST(EncodeMacroSteps, StopsAtSixtyThreePairsNeverPastTheImage) {
  Lines lines;
  for (int i = 0; i < 100; ++i) lines.insert(lines.end(), {L"B   Dn", L"30 ms"});
  EXPECT_EQ(macroPairCount(lines), 100u);
  const Bytes full = encode(lines, kMacroImageSize);
  EXPECT_EQ(full[126], 0x03);
  EXPECT_EQ(full[127], 0x05);

  // 62 short steps, then a long delay that needs two pairs where one is left: cut before it.
  Lines tight(lines.begin(), lines.begin() + 124);
  tight.insert(tight.end(), {L"C   Dn", L"3000 ms"});
  EXPECT_EQ(macroPairCount(tight), 64u);
  const Bytes cut = encode(tight, kMacroImageSize);
  EXPECT_EQ(cut[124], 0x03);
  EXPECT_EQ(cut[126], 0x00);
  EXPECT_EQ(cut[127], 0x00);
}

TEST(LoopTimes, OutOfRangeTextBecomesOneAndCountsAreBigEndian) {
  const std::pair<const wchar_t*, std::uint16_t> cases[] = {
      {L"", 1},   {L"0", 1},         {L"70000", 1}, {L"99999999999", 1},
      {L"1x", 1}, {L"65535", 65535}, {L"007", 7}};
  for (const auto& [text, expected] : cases) {
    bool replaced = false;
    EXPECT_EQ(loopTimesFromText(text, replaced), expected) << text;
    EXPECT_EQ(replaced, expected == 1) << text;
  }
  MacroImage image{};
  setRepeatCount(image, 0x1234);
  EXPECT_EQ(image[0], 0x12);
  EXPECT_EQ(image[1], 0x34);
  EXPECT_EQ(repeatCount(image), 0x1234);
}

class EncodeMacrosTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (auto& image : settings_.macroImages) image.fill(0xAA);
  }
  MouseSettings settings_{};
};

TEST_F(EncodeMacrosTest, RebuildsOneImagePerSectionAndLeavesTheRest) {
  MemoryProfile file(
      "[first]\r\nItemCount=3\r\nItem0=A   Dn\r\nItem1=50 ms\r\nItem2=A   Up\r\n"
      "[empty]\r\nItemCount=0\r\n"
      "[delays]\r\nItemCount=1\r\nItem0=100 ms\r\n");
  EncodeMacros(file, settings_);
  const auto& images = settings_.macroImages;
  EXPECT_EQ(Bytes(images[0].begin(), images[0].begin() + 7), (Bytes{0xAA, 0xAA, 5, 4, 0x80, 4, 0}));
  EXPECT_EQ(images[1], MacroImage{});  // the repeat count goes too
  EXPECT_EQ(images[2][1], 0xAA);
  EXPECT_EQ(images[2][2], 0x00);
  EXPECT_EQ(images[3][0], 0xAA);
  EXPECT_EQ(images[11][127], 0xAA);
}

TEST_F(EncodeMacrosTest, HandEditedFilesCannotReachPastTheTwelveImages) {
  std::string text;
  for (int k = 0; k < 14; ++k) {
    text += "[m" + std::to_string(k) + "]\r\nItemCount=1\r\nItem0=B   Dn\r\n";
  }
  // A count far beyond the lines and more steps than fit.
  text += "[m14]\r\nItemCount=4000000000\r\n";
  MemoryProfile file(text);
  EncodeMacros(file, settings_);
  for (const auto& image : settings_.macroImages) {
    EXPECT_EQ(image[3], 0x05);
    EXPECT_EQ(image[4], 0x00);
  }
}

}  // namespace
}  // namespace k8
