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

// DPI scale of a sensor type (the values the Basic page lists); empty for unknown types.
std::span<const std::wstring_view> dpiScale(int sensorType);
std::wstring_view dpiText(int sensorType, int position);

// English names of the sixteen functions and of the DPI actions (1-4).
std::wstring_view functionName(int function);
std::wstring_view dpiActionName(int action);

}  // namespace k8
