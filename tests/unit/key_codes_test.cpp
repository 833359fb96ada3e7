// Button functions as the mouse receives them, and the key-name tables behind them.
#include "settings/key_codes.h"

#include <gtest/gtest.h>

#include "settings/key_tables.h"
#include "settings/mouse_settings.h"

using namespace k8;

namespace {

KeyFunction slot(const std::array<std::uint8_t, 64>& m, int s) {
  const auto i = static_cast<std::size_t>(s * 4);
  return {m[i], m[i + 1], m[i + 2], m[i + 3]};
}

TEST(KeyMatrix, DefaultsExchangeSlotsThreeAndFourAndKeepFixedSlots) {
  MouseSettings s{};
  resetKeyDefaults(s);
  for (int mode = 0; mode < 2; ++mode) {
    const auto m = buildKeyMatrix(s, mode);
    EXPECT_EQ(slot(m, 0), (KeyFunction{0x01, 0x00, 0xF0, 0x00}));
    EXPECT_EQ(slot(m, 1), (KeyFunction{0x01, 0x00, 0xF1, 0x00}));
    EXPECT_EQ(slot(m, 2), (KeyFunction{0x01, 0x00, 0xF2, 0x00}));
    EXPECT_EQ(slot(m, 3), (KeyFunction{0x01, 0x00, 0xF3, 0x00}));  // button 4, "Backward"
    EXPECT_EQ(slot(m, 4), (KeyFunction{0x01, 0x00, 0xF4, 0x00}));  // button 3, "Forward"
    EXPECT_EQ(slot(m, 5), (KeyFunction{0x07, 0x00, 0x01, 0x00}));
    EXPECT_EQ(slot(m, 6), (KeyFunction{0x07, 0x00, 0x02, 0x00}));
    EXPECT_EQ(slot(m, 7), (KeyFunction{0x0A, 0xF0, 0x22, 0x03}));
    for (int z = 8; z < 14; ++z) EXPECT_EQ(slot(m, z), (KeyFunction{0, 0, 0, 0}));
    EXPECT_EQ(slot(m, 14), (KeyFunction{0x01, 0x00, 0xF7, 0x00}));
    EXPECT_EQ(slot(m, 15), (KeyFunction{0x01, 0x00, 0xF8, 0x00}));
  }
  // Changing button 3 alters slot 4 only.
  s.modeB.function[3] = kKeyOff;
  const auto m = buildKeyMatrix(s, 1);
  EXPECT_EQ(slot(m, 4), (KeyFunction{0, 0, 0, 0}));
  EXPECT_EQ(slot(m, 3), (KeyFunction{0x01, 0x00, 0xF3, 0x00}));
}

TEST(KeyFunctionEncoding, ParametersLandInTheirBytes) {
  MouseSettings s{};
  auto& a = s.modeA;
  a.function[0] = kComboKey;
  a.comboModifiers[0] = 0x01;
  a.comboKey1[0] = 0x06;
  a.function[1] = kComboKey;
  a.comboModifiers[1] = 0x10;  // modifier only
  a.function[2] = kMacroKey;
  a.macroIndex[2] = 0;  // the first macro is number 1 on the wire
  a.macroRepeatMode[2] = 2;
  a.function[3] = kDpiSwitch;
  s.dpiActionA[3] = kShiftDpi;
  a.function[4] = kDpiSwitch;
  s.dpiActionA[4] = kDpiLoop;
  a.function[5] = kWindowsFunction;
  a.windowsUsageLow[5] = windowsUsageLow(2);
  a.windowsUsageHigh[5] = windowsUsageHigh(2);
  a.function[6] = kMultimedia;
  a.mediaUsage[6] = mediaUsage(4);
  a.function[7] = kFireKey;
  a.fireKeyUsage[7] = fireKeyUsage(39);
  a.fireSpeed[7] = 5;
  a.fireTimes[7] = 0;
  a.function[8] = kSingleKey;
  a.singleKeyUsage[8] = keyUsage(L"Esc");

  EXPECT_EQ(encodeKeyFunction(s, 0, 0), (KeyFunction{0x00, 0x01, 0x06, 0x00}));
  EXPECT_EQ(encodeKeyFunction(s, 0, 1), (KeyFunction{0x00, 0x10, 0x00, 0x00}));
  EXPECT_EQ(encodeKeyFunction(s, 0, 2), (KeyFunction{0x09, 0x02, 0x01, 0x00}));
  EXPECT_EQ(encodeKeyFunction(s, 0, 3), (KeyFunction{0x07, 0x00, 0x04, 0x01}));
  EXPECT_EQ(encodeKeyFunction(s, 0, 4), (KeyFunction{0x07, 0x00, 0x03, 0x00}));
  EXPECT_EQ(encodeKeyFunction(s, 0, 5), (KeyFunction{0x03, 0x00, 0x92, 0x01}));
  EXPECT_EQ(encodeKeyFunction(s, 0, 6), (KeyFunction{0x03, 0x00, 0xE2, 0x00}));
  EXPECT_EQ(encodeKeyFunction(s, 0, 7), (KeyFunction{0x0A, 0xE4, 0x05, 0x00}));
  EXPECT_EQ(encodeKeyFunction(s, 0, 8), (KeyFunction{0x00, 0x00, 0x29, 0x00}));
  // The same buttons in Mode B are untouched.
  EXPECT_EQ(encodeKeyFunction(s, 1, 0), (KeyFunction{0x01, 0x00, 0xF0, 0x00}));
}

TEST(KeyFunctionEncoding, ForeignValuesNeverIndexPastATable) {
  MouseSettings s{};
  for (int f = 16; f < 256; ++f) {
    s.modeA.function[0] = static_cast<std::uint8_t>(f);
    EXPECT_EQ(encodeKeyFunction(s, 0, 0), (KeyFunction{0, 0, 0, 0})) << f;
  }
  EXPECT_EQ(encodeKeyFunction(s, 0, 12), (KeyFunction{0, 0, 0, 0}));
  EXPECT_EQ(encodeKeyFunction(s, 0, -1), (KeyFunction{0, 0, 0, 0}));
  s.editMode = 7;  // anything but 1 shows Mode A
  EXPECT_EQ(s.shownMode(), 0);
}

TEST(KeyTables, NameLookupsAreExactAndPositionsFallBackToZero) {
  EXPECT_EQ(keyUsage(L"Right Ctrl"), 0xE4);
  EXPECT_EQ(fireKeyUsage(39), 0xE4);  // "R-CTRL"
  EXPECT_EQ(fireKeyName(39), L"R-CTRL");
  EXPECT_EQ(modifierBit(L"Left Ctrl"), 0x01);
  EXPECT_EQ(modifierBit(L"left ctrl"), 0);
  EXPECT_EQ(modifierBit(L"Right Win"), 0x80);
  EXPECT_EQ(keyUsage(L"Volume Up"), 0);
  EXPECT_EQ(keyUsage(L"\\"), 0x31);
  EXPECT_EQ(keyUsage(L"Eurpo(Note 2)"), 0x32);
  EXPECT_EQ(keyUsage(L"0"), 0x27);
  EXPECT_EQ(keyUsage(L"Num Del"), 0x63);
  EXPECT_EQ(keyUsage(L"M-Button"), 0xF2);
  EXPECT_EQ(mediaUsage(4), 0xE2);  // "Mute": same number as "Alt", told apart by the kind byte
  EXPECT_EQ(keyUsage(L"Alt"), 0xE2);
  EXPECT_EQ(fireKeyUsage(60), 0xF6);
  // The list's parts, in the order the fire-key dialog shows them.
  EXPECT_EQ(fireKeyName(0), L"A");
  EXPECT_EQ(fireKeyName(35), L"0");
  EXPECT_EQ(fireKeyName(36), L"L-CTRL");
  EXPECT_EQ(fireKeyName(42), L"F1");
  EXPECT_EQ(fireKeyUsage(53), 0x45);  // F12
  EXPECT_EQ(fireKeyName(54), L"L-Button");
  EXPECT_EQ(fireKeyName(57), L"B4-Button");
  EXPECT_EQ(fireKeyCount(), 61);
  EXPECT_EQ(fireKeyUsage(61), 0);
  EXPECT_EQ(fireKeyUsage(-1), 0);
  EXPECT_EQ(windowsUsageHigh(10), 0x02);
  EXPECT_EQ(windowsUsageLow(10), 0x2A);
  EXPECT_EQ(windowsUsageLow(11), 0);
  EXPECT_EQ(mediaUsage(7), 0);
  EXPECT_EQ(switchTimeText(0), L"0.5S");
  EXPECT_EQ(switchTimeText(29), L"15S");
  EXPECT_EQ(switchTimeText(30), L"");
  EXPECT_EQ(brightnessText(9), L"100%");
  EXPECT_EQ(beatSpeedText(5), L"");
  EXPECT_EQ(dpiText(1, 7), L"3200");
  EXPECT_EQ(dpiText(0, 11), L"4000");
  EXPECT_EQ(dpiText(4, 0), L"");
  // The page shows an unknown sensor's levels on the 12-value scale.
  EXPECT_EQ(dpiScaleLength(4), 12);
  EXPECT_EQ(pageDpiText(4, 11), L"4000");
  EXPECT_EQ(dpiScaleLength(3), 8);
  EXPECT_EQ(pageDpiText(3, 8), L"");
  EXPECT_EQ(dpiText(2, 8), L"");
}

}  // namespace
