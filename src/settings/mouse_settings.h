#pragma once
// The whole settings record as the mouse utility keeps it in memory and in config.bin.
// Plain bytes only, so the record is copied, saved and loaded as one block.

#include <array>
#include <cstddef>
#include <cstdint>

namespace k8 {

inline constexpr int kButtonCount = 8;   // physical buttons 0-7
inline constexpr int kButtonSlots = 12;  // per-button arrays hold 12 elements (8-11 unused)
inline constexpr int kMacroCount = 12;
inline constexpr int kMacroImageSize = 128;
inline constexpr int kDpiStages = 4;

// The report rates the mouse knows and the record's code of each, slowest first.
struct ReportRate {
  int hz;
  std::uint8_t code;
};
inline constexpr ReportRate kReportRates[] = {{125, 8}, {250, 4}, {500, 2}, {1000, 1}};
// The rate of a record code; 0 for a code the mouse does not know.
constexpr int reportRateHz(std::uint8_t code) {
  for (const ReportRate& rate : kReportRates)
    if (rate.code == code) return rate.hz;
  return 0;
}

using ByteArray12 = std::array<std::uint8_t, kButtonSlots>;

// One key mode: sixteen 12-byte arrays, element b belongs to button b.
struct KeyModeBlock {
  ByteArray12 function;
  ByteArray12 mediaIndex;
  ByteArray12 mediaUsage;
  ByteArray12 windowsIndex;
  ByteArray12 windowsUsageLow;
  ByteArray12 windowsUsageHigh;
  ByteArray12 fireKeyIndex;
  ByteArray12 fireKeyUsage;
  ByteArray12 fireSpeed;
  ByteArray12 fireTimes;
  ByteArray12 singleKeyUsage;
  ByteArray12 comboModifiers;
  ByteArray12 comboKey1;
  ByteArray12 comboKey2;
  ByteArray12 macroIndex;
  ByteArray12 macroRepeatMode;
};

using MacroImage = std::array<std::uint8_t, kMacroImageSize>;

struct MouseSettings {
  KeyModeBlock modeA;
  KeyModeBlock modeB;
  std::array<MacroImage, kMacroCount> macroImages;
  std::array<std::uint8_t, 5> reserved1920;
  std::uint8_t reportRate;
  std::uint8_t reserved1926;
  std::array<std::uint8_t, kDpiStages> dpiLevel;
  std::array<std::uint8_t, kDpiStages> dpiStageEnabled;
  std::array<std::uint8_t, kDpiStages * 3> dpiColor;
  std::uint8_t ledMode;
  std::uint8_t ledBrightness;
  std::uint8_t ledBeatSpeed;
  std::uint8_t ledSwitchTime;
  std::uint8_t ledMode1Option;
  std::uint8_t ledMode2Option;
  std::uint8_t ledMode3Option;
  std::uint8_t reserved1954;
  std::uint8_t enhancePointerPrecision;
  std::uint8_t scrollOneScreen;
  std::uint8_t pointerSpeed;
  std::uint8_t scrollLines;
  std::uint8_t doubleClickSpeed;
  std::uint8_t editMode;
  ByteArray12 dpiActionA;
  ByteArray12 dpiActionB;

  KeyModeBlock& mode(int m) { return m == 1 ? modeB : modeA; }
  const KeyModeBlock& mode(int m) const { return m == 1 ? modeB : modeA; }
  ByteArray12& dpiAction(int m) { return m == 1 ? dpiActionB : dpiActionA; }
  const ByteArray12& dpiAction(int m) const { return m == 1 ? dpiActionB : dpiActionA; }
  // The mode the Basic page edits; any byte other than 1 means Mode A.
  int shownMode() const { return editMode == 1 ? 1 : 0; }
};

inline constexpr std::size_t kSettingsSize = 1985;
inline constexpr std::size_t kConfigFileSize = kSettingsSize + 1;

// The layout is the file format: prove every offset.
static_assert(sizeof(KeyModeBlock) == 192);
static_assert(offsetof(KeyModeBlock, function) == 0);
static_assert(offsetof(KeyModeBlock, mediaIndex) == 12);
static_assert(offsetof(KeyModeBlock, mediaUsage) == 24);
static_assert(offsetof(KeyModeBlock, windowsIndex) == 36);
static_assert(offsetof(KeyModeBlock, windowsUsageLow) == 48);
static_assert(offsetof(KeyModeBlock, windowsUsageHigh) == 60);
static_assert(offsetof(KeyModeBlock, fireKeyIndex) == 72);
static_assert(offsetof(KeyModeBlock, fireKeyUsage) == 84);
static_assert(offsetof(KeyModeBlock, fireSpeed) == 96);
static_assert(offsetof(KeyModeBlock, fireTimes) == 108);
static_assert(offsetof(KeyModeBlock, singleKeyUsage) == 120);
static_assert(offsetof(KeyModeBlock, comboModifiers) == 132);
static_assert(offsetof(KeyModeBlock, comboKey1) == 144);
static_assert(offsetof(KeyModeBlock, comboKey2) == 156);
static_assert(offsetof(KeyModeBlock, macroIndex) == 168);
static_assert(offsetof(KeyModeBlock, macroRepeatMode) == 180);

static_assert(sizeof(MouseSettings) == kSettingsSize);
static_assert(alignof(MouseSettings) == 1);
static_assert(offsetof(MouseSettings, modeA) == 0);
static_assert(offsetof(MouseSettings, modeB) == 192);
static_assert(offsetof(MouseSettings, macroImages) == 384);
static_assert(offsetof(MouseSettings, reserved1920) == 1920);
static_assert(offsetof(MouseSettings, reportRate) == 1925);
static_assert(offsetof(MouseSettings, reserved1926) == 1926);
static_assert(offsetof(MouseSettings, dpiLevel) == 1927);
static_assert(offsetof(MouseSettings, dpiStageEnabled) == 1931);
static_assert(offsetof(MouseSettings, dpiColor) == 1935);
static_assert(offsetof(MouseSettings, ledMode) == 1947);
static_assert(offsetof(MouseSettings, ledBrightness) == 1948);
static_assert(offsetof(MouseSettings, ledBeatSpeed) == 1949);
static_assert(offsetof(MouseSettings, ledSwitchTime) == 1950);
static_assert(offsetof(MouseSettings, ledMode1Option) == 1951);
static_assert(offsetof(MouseSettings, ledMode2Option) == 1952);
static_assert(offsetof(MouseSettings, ledMode3Option) == 1953);
static_assert(offsetof(MouseSettings, reserved1954) == 1954);
static_assert(offsetof(MouseSettings, enhancePointerPrecision) == 1955);
static_assert(offsetof(MouseSettings, scrollOneScreen) == 1956);
static_assert(offsetof(MouseSettings, pointerSpeed) == 1957);
static_assert(offsetof(MouseSettings, scrollLines) == 1958);
static_assert(offsetof(MouseSettings, doubleClickSpeed) == 1959);
static_assert(offsetof(MouseSettings, editMode) == 1960);
static_assert(offsetof(MouseSettings, dpiActionA) == 1961);
static_assert(offsetof(MouseSettings, dpiActionB) == 1973);

// Working copy (edited by the pages, sent by Apply) and committed copy (state after the last
// OK/Apply, restored by Cancel).
struct SettingsState {
  MouseSettings working{};
  MouseSettings committed{};
  // First byte of config.bin as read (0 = never saved by the program, or nothing loaded).
  std::uint8_t firstRunFlag = 0;

  void commit() { committed = working; }
  void revert() { working = committed; }
};

// Both modes: buttons 0-7 get their factory functions, 8-11 "Key Off"; no parameter array
// other than `function` and the DPI actions is touched.
void resetKeyDefaults(MouseSettings& s);
// Pointer speed, wheel lines, double-click speed and the two flags (record side only).
void resetSystemMouseDefaults(MouseSettings& s);

}  // namespace k8
