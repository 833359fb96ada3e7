// Keys are named from their scan codes, in the key-name table's own spelling, on every system.
#include "settings/scan_code_names.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "settings/key_tables.h"

using namespace k8;

TEST(KeystrokeName, NamesKeysAsTheKeyTableSpellsThem) {
  EXPECT_EQ(keystrokeName(0x1E, false), L"A");
  EXPECT_EQ(keystrokeName(0x3F, false), L"F5");
  EXPECT_EQ(keystrokeName(0x01, false), L"Esc");
  EXPECT_EQ(keystrokeName(0x0E, false), L"Backspace");
  EXPECT_EQ(keystrokeName(0x1C, false), L"Enter");
  EXPECT_EQ(keystrokeName(0x39, false), L"Space");
  EXPECT_EQ(keystrokeName(0x2B, false), L"\\");
  EXPECT_EQ(keystrokeName(0x57, false), L"F11");
  EXPECT_EQ(keyUsage(keystrokeName(0x1E, false)), 0x04);
  EXPECT_EQ(keyUsage(keystrokeName(0x3F, false)), 0x3E);
}

TEST(KeystrokeName, TellsLeftAndRightModifiersApartByTheExtendedBit) {
  EXPECT_EQ(keystrokeName(0x1D, false), L"Ctrl");
  EXPECT_EQ(keystrokeName(0x1D, true), L"Right Ctrl");
  EXPECT_EQ(keystrokeName(0x38, false), L"Alt");
  EXPECT_EQ(keystrokeName(0x38, true), L"Right Alt");
  EXPECT_EQ(keystrokeName(0x2A, false), L"Shift");
  EXPECT_EQ(keystrokeName(0x36, false), L"Right Shift");
  EXPECT_EQ(keystrokeName(0x5B, true), L"Left Windows");
  EXPECT_EQ(keystrokeName(0x5C, true), L"Right Windows");
  EXPECT_EQ(keyUsage(keystrokeName(0x1D, true)), 0xE4);
}

TEST(KeystrokeName, KeypadKeysDifferFromTheEditingKeysOnTheSameScanCodes) {
  EXPECT_EQ(keystrokeName(0x4C, false), L"Num 5");
  EXPECT_EQ(keystrokeName(0x47, false), L"Num 7");
  EXPECT_EQ(keystrokeName(0x47, true), L"Home");
  EXPECT_EQ(keystrokeName(0x52, false), L"Num 0");
  EXPECT_EQ(keystrokeName(0x52, true), L"Insert");
  EXPECT_EQ(keystrokeName(0x53, false), L"Num Del");
  EXPECT_EQ(keystrokeName(0x53, true), L"Delete");
  EXPECT_EQ(keystrokeName(0x48, true), L"Up");
  EXPECT_EQ(keystrokeName(0x1C, true), L"Num Enter");
  EXPECT_EQ(keystrokeName(0x35, false), L"/");
  EXPECT_EQ(keystrokeName(0x35, true), L"Num /");
  EXPECT_EQ(keystrokeName(0x45, true), L"Num Lock");
  EXPECT_EQ(keystrokeName(0x45, false), L"Pause");
}

TEST(KeystrokeName, UnknownKeysGiveNoName) {
  EXPECT_EQ(keystrokeName(0x00, false), L"");
  EXPECT_EQ(keystrokeName(0x5D, true), L"");  // the menu key has no usage in the table
  EXPECT_EQ(keystrokeName(0x1E, true), L"");
  EXPECT_EQ(keystrokeName(0x7F, false), L"");
  EXPECT_EQ(keystrokeName(0x11E, false), L"");
}

// Every keyboard key of the key-name table is reachable from some keystroke, and every name
// given translates to a usage, so nothing a user presses is lost to a spelling.
TEST(KeystrokeName, CoversTheKeyTable) {
  std::set<std::wstring> named;
  for (unsigned scan = 0; scan < 0x80; ++scan)
    for (bool extended : {false, true}) {
      const std::wstring_view name = keystrokeName(scan, extended);
      if (name.empty()) continue;
      EXPECT_NE(keyUsage(name), 0) << std::string(name.begin(), name.end());
      named.emplace(name);
    }
  for (int usage = 0x04; usage <= 0xE7; ++usage) {
    const std::wstring_view name = keyNameOfUsage(static_cast<std::uint8_t>(usage));
    if (name.empty() || usage == 0x32) continue;  // the non-US key shares the backslash's code
    EXPECT_TRUE(named.count(std::wstring(name))) << usage;
  }
}
