#pragma once
// Fixed translations between the names and list positions the dialogs use and the usage
// numbers the mouse wants, plus the small value-to-text tables of the light settings and
// the DPI scales. All lookups are total: unknown names and positions give 0 or "".

#include <cstdint>
#include <span>
#include <string_view>

namespace k8 {

struct NamedUsage {
  std::wstring_view name;
  std::uint8_t usage;
};

// Exact, case-sensitive name lookups (first match wins, no match gives 0).
std::uint8_t modifierBit(std::wstring_view name);
std::uint8_t keyUsage(std::wstring_view name);
// Reverse lookup for display: the first name of a keyboard usage, "" if none.
std::wstring_view keyNameOfUsage(std::uint8_t usage);
std::wstring_view modifierNameOfBit(int bit);  // bit 0-7

// Position lookups (out of range gives 0 / "").
std::uint8_t fireKeyUsage(int position);
std::wstring_view fireKeyName(int position);
int fireKeyCount();
std::uint8_t windowsUsageLow(int position);
std::uint8_t windowsUsageHigh(int position);
std::wstring_view windowsFunctionName(int position);
int windowsFunctionCount();
std::uint8_t mediaUsage(int position);
std::wstring_view mediaName(int position);
int mediaCount();

// Light page value texts.
std::wstring_view brightnessText(int value);  // 0-9
std::wstring_view beatSpeedText(int value);   // 0-4
std::wstring_view switchTimeText(int value);  // 0-29

// DPI scale of a sensor type (types 0-3); empty for an unknown type, whose DPI stage notices
// then carry no value.
std::span<const std::wstring_view> dpiScale(int sensorType);
// The scale the Basic page shows: 8 levels for types 1-3, and for every other type (0 and
// unknown ones) the 12 levels of type 0.
int dpiScaleLength(int sensorType);
std::wstring_view pageDpiText(int sensorType, int position);
std::wstring_view dpiText(int sensorType, int position);

// English names of the sixteen functions and of the DPI actions (1-4).
std::wstring_view functionName(int function);
std::wstring_view dpiActionName(int action);
inline constexpr int kDpiActionCount = 4;

}  // namespace k8
