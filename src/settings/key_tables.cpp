#include "settings/key_tables.h"

#include <array>

namespace k8 {
namespace {

constexpr NamedUsage kModifiers[] = {
    {L"Left Ctrl", 0x01},  {L"Left Shift", 0x02},  {L"Left Alt", 0x04},  {L"Left Win", 0x08},
    {L"Right Ctrl", 0x10}, {L"Right Shift", 0x20}, {L"Right Alt", 0x40}, {L"Right Win", 0x80},
};

constexpr NamedUsage kKeys[] = {
    {L"A", 0x04},
    {L"B", 0x05},
    {L"C", 0x06},
    {L"D", 0x07},
    {L"E", 0x08},
    {L"F", 0x09},
    {L"G", 0x0A},
    {L"H", 0x0B},
    {L"I", 0x0C},
    {L"J", 0x0D},
    {L"K", 0x0E},
    {L"L", 0x0F},
    {L"M", 0x10},
    {L"N", 0x11},
    {L"O", 0x12},
    {L"P", 0x13},
    {L"Q", 0x14},
    {L"R", 0x15},
    {L"S", 0x16},
    {L"T", 0x17},
    {L"U", 0x18},
    {L"V", 0x19},
    {L"W", 0x1A},
    {L"X", 0x1B},
    {L"Y", 0x1C},
    {L"Z", 0x1D},
    {L"1", 0x1E},
    {L"2", 0x1F},
    {L"3", 0x20},
    {L"4", 0x21},
    {L"5", 0x22},
    {L"6", 0x23},
    {L"7", 0x24},
    {L"8", 0x25},
    {L"9", 0x26},
    {L"0", 0x27},
    {L"Enter", 0x28},
    {L"Esc", 0x29},
    {L"Backspace", 0x2A},
    {L"Tab", 0x2B},
    {L"Space", 0x2C},
    {L"-", 0x2D},
    {L"=", 0x2E},
    {L"[", 0x2F},
    {L"]", 0x30},
    {L"\\", 0x31},
    {L"Eurpo(Note 2)", 0x32},
    {L";", 0x33},
    {L"'", 0x34},
    {L"`", 0x35},
    {L",", 0x36},
    {L".", 0x37},
    {L"/", 0x38},
    {L"Caps Lock", 0x39},
    {L"F1", 0x3A},
    {L"F2", 0x3B},
    {L"F3", 0x3C},
    {L"F4", 0x3D},
    {L"F5", 0x3E},
    {L"F6", 0x3F},
    {L"F7", 0x40},
    {L"F8", 0x41},
    {L"F9", 0x42},
    {L"F10", 0x43},
    {L"F11", 0x44},
    {L"F12", 0x45},
    {L"Prnt Scrn", 0x46},
    {L"Scroll Lock", 0x47},
    {L"Pause", 0x48},
    {L"Insert", 0x49},
    {L"Home", 0x4A},
    {L"Page Up", 0x4B},
    {L"Delete", 0x4C},
    {L"End", 0x4D},
    {L"Page Down", 0x4E},
    {L"Right", 0x4F},
    {L"Left", 0x50},
    {L"Down", 0x51},
    {L"Up", 0x52},
    {L"Num Lock", 0x53},
    {L"Num /", 0x54},
    {L"Num *", 0x55},
    {L"Num -", 0x56},
    {L"Num +", 0x57},
    {L"Num Enter", 0x58},
    {L"Num 1", 0x59},
    {L"Num 2", 0x5A},
    {L"Num 3", 0x5B},
    {L"Num 4", 0x5C},
    {L"Num 5", 0x5D},
    {L"Num 6", 0x5E},
    {L"Num 7", 0x5F},
    {L"Num 8", 0x60},
    {L"Num 9", 0x61},
    {L"Num 0", 0x62},
    {L"Num Del", 0x63},
    {L"Ctrl", 0xE0},
    {L"Shift", 0xE1},
    {L"Alt", 0xE2},
    {L"Left Windows", 0xE3},
    {L"Right Ctrl", 0xE4},
    {L"Right Shift", 0xE5},
    {L"Right Alt", 0xE6},
    {L"Right Windows", 0xE7},
    {L"L-Button", 0xF0},
    {L"R-Button", 0xF1},
    {L"M-Button", 0xF2},
};
static_assert(std::size(kKeys) == 107);

// The fire-key list takes the letters, digits, F1-F12 and the three buttons from the key table;
// only its modifiers (named apart) and the buttons the key table lacks are its own.
constexpr NamedUsage kFireModifiers[] = {
    {L"L-CTRL", 0xE0}, {L"L-SHIFT", 0xE1}, {L"L-ALT", 0xE2},
    {L"R-CTRL", 0xE4}, {L"R-SHIFT", 0xE5}, {L"R-ALT", 0xE6},
};
constexpr NamedUsage kFireOnlyButtons[] = {
    {L"B4-Button", 0xF3},
    {L"B5-Button", 0xF4},
    {L"L-Tilt Wheel", 0xF5},
    {L"R-Tilt Wheel", 0xF6},
};

constexpr std::array<NamedUsage, 61> buildFireKeys() {
  std::array<NamedUsage, 61> out{};
  std::size_t n = 0;
  const auto fromKeyTable = [&](std::uint8_t first, std::uint8_t last) {
    for (const NamedUsage& key : kKeys) {
      if (key.usage >= first && key.usage <= last) out[n++] = key;
    }
  };
  fromKeyTable(0x04, 0x27);  // A-Z, 1-9, 0
  for (const NamedUsage& key : kFireModifiers) out[n++] = key;
  fromKeyTable(0x3A, 0x45);  // F1-F12
  fromKeyTable(0xF0, 0xF2);  // L-, R-, M-Button
  for (const NamedUsage& key : kFireOnlyButtons) out[n++] = key;
  return n == out.size() ? out : throw "the fire-key list lost or gained a row";
}
constexpr auto kFireKeys = buildFireKeys();

struct WindowsFunction {
  std::wstring_view name;
  std::uint16_t usage;
};
constexpr WindowsFunction kWindowsFunctions[] = {
    {L"Multimedia Player", 0x0183},    {L"Mail", 0x018A},
    {L"Calculator", 0x0192},           {L"My Computer", 0x0194},
    {L"Browser-Search", 0x0221},       {L"Browser-Home", 0x0223},
    {L"Browser-Back", 0x0224},         {L"Browser-Forward", 0x0225},
    {L"Browser-Stop", 0x0226},         {L"Browser-Refresh", 0x0227},
    {L"Browser-My Favorites", 0x022A},
};

constexpr NamedUsage kMedia[] = {
    {L"Next", 0xB5}, {L"Previous", 0xB6}, {L"Stop", 0xB7}, {L"Play/Pause", 0xCD},
    {L"Mute", 0xE2}, {L"Vol+", 0xE9},     {L"Vol-", 0xEA},
};

constexpr std::wstring_view kBrightness[] = {L"5%",  L"15%", L"25%", L"35%", L"45%",
                                             L"55%", L"65%", L"75%", L"85%", L"100%"};
constexpr std::wstring_view kBeatSpeed[] = {L"8S", L"7S", L"6S", L"5S", L"4S"};
constexpr std::wstring_view kSwitchTime[] = {
    L"0.5S",  L"1S",  L"1.5S",  L"2S",  L"2.5S",  L"3S",  L"3.5S",  L"4S",  L"4.5S",  L"5S",
    L"5.5S",  L"6S",  L"6.5S",  L"7S",  L"7.5S",  L"8S",  L"8.5S",  L"9S",  L"9.5S",  L"10S",
    L"10.5S", L"11S", L"11.5S", L"12S", L"12.5S", L"13S", L"13.5S", L"14S", L"14.5S", L"15S"};

constexpr std::wstring_view kDpiScale0[] = {L"250",  L"500",  L"750",  L"1000", L"1250", L"1500",
                                            L"1750", L"2000", L"2500", L"3000", L"3500", L"4000"};
constexpr std::wstring_view kDpiScale1[] = {L"600",  L"800",  L"1000", L"1200",
                                            L"1600", L"2000", L"2400", L"3200"};
constexpr std::wstring_view kDpiScale2[] = {L"250",  L"500",  L"750",  L"1000",
                                            L"1250", L"1500", L"2000", L"2500"};
constexpr std::wstring_view kDpiScale3[] = {L"400",  L"800",  L"1200", L"1600",
                                            L"2000", L"2400", L"2800", L"3200"};

constexpr std::wstring_view kFunctionNames[] = {
    L"Left Click", L"Right Click", L"Mid Click", L"Forward",    L"Backward", L"Triple-click",
    L"DPI Switch", L"RGB On/Off",  L"Windows",   L"Multimedia", L"Fire Key", L"Single Key",
    L"Combo Key",  L"Macro Key",   L"Shift",     L"Key Off"};
constexpr std::wstring_view kDpiActionNames[kDpiActionCount] = {L"DPI +", L"DPI -", L"DPI Loop",
                                                                L"Shift DPI"};

template <typename T, std::size_t N>
const T* at(const T (&table)[N], int position) {
  return position >= 0 && static_cast<std::size_t>(position) < N ? &table[position] : nullptr;
}

template <typename T, std::size_t N>
const T* at(const std::array<T, N>& table, int position) {
  return position >= 0 && static_cast<std::size_t>(position) < N ? &table[position] : nullptr;
}

template <std::size_t N>
std::uint8_t byName(const NamedUsage (&table)[N], std::wstring_view name) {
  for (const auto& row : table) {
    if (row.name == name) return row.usage;
  }
  return 0;
}

template <std::size_t N>
std::wstring_view textAt(const std::wstring_view (&table)[N], int position) {
  const auto* p = at(table, position);
  return p ? *p : std::wstring_view{};
}

}  // namespace

std::uint8_t modifierBit(std::wstring_view name) { return byName(kModifiers, name); }
std::uint8_t keyUsage(std::wstring_view name) { return byName(kKeys, name); }

std::wstring_view keyNameOfUsage(std::uint8_t usage) {
  for (const auto& row : kKeys) {
    if (usage != 0 && row.usage == usage) return row.name;
  }
  return {};
}

std::wstring_view modifierNameOfBit(int bit) {
  const auto* p = at(kModifiers, bit);
  return p ? p->name : std::wstring_view{};
}

std::uint8_t fireKeyUsage(int position) {
  const auto* p = at(kFireKeys, position);
  return p ? p->usage : 0;
}
std::wstring_view fireKeyName(int position) {
  const auto* p = at(kFireKeys, position);
  return p ? p->name : std::wstring_view{};
}
int fireKeyCount() { return static_cast<int>(std::size(kFireKeys)); }

std::uint8_t windowsUsageLow(int position) {
  const auto* p = at(kWindowsFunctions, position);
  return p ? static_cast<std::uint8_t>(p->usage & 0xFF) : 0;
}
std::uint8_t windowsUsageHigh(int position) {
  const auto* p = at(kWindowsFunctions, position);
  return p ? static_cast<std::uint8_t>(p->usage >> 8) : 0;
}
std::wstring_view windowsFunctionName(int position) {
  const auto* p = at(kWindowsFunctions, position);
  return p ? p->name : std::wstring_view{};
}
int windowsFunctionCount() { return static_cast<int>(std::size(kWindowsFunctions)); }

std::uint8_t mediaUsage(int position) {
  const auto* p = at(kMedia, position);
  return p ? p->usage : 0;
}
std::wstring_view mediaName(int position) {
  const auto* p = at(kMedia, position);
  return p ? p->name : std::wstring_view{};
}
int mediaCount() { return static_cast<int>(std::size(kMedia)); }

std::wstring_view brightnessText(int value) { return textAt(kBrightness, value); }
std::wstring_view beatSpeedText(int value) { return textAt(kBeatSpeed, value); }
std::wstring_view switchTimeText(int value) { return textAt(kSwitchTime, value); }

std::span<const std::wstring_view> dpiScale(int sensorType) {
  switch (sensorType) {
    case 0: return kDpiScale0;
    case 1: return kDpiScale1;
    case 2: return kDpiScale2;
    case 3: return kDpiScale3;
    default: return {};
  }
}

int dpiScaleLength(int sensorType) { return sensorType >= 1 && sensorType <= 3 ? 8 : 12; }

std::wstring_view pageDpiText(int sensorType, int position) {
  return dpiText(dpiScaleLength(sensorType) == 12 ? 0 : sensorType, position);
}

std::wstring_view dpiText(int sensorType, int position) {
  const auto scale = dpiScale(sensorType);
  return position >= 0 && static_cast<std::size_t>(position) < scale.size() ? scale[position]
                                                                            : std::wstring_view{};
}

std::wstring_view functionName(int function) { return textAt(kFunctionNames, function); }
std::wstring_view dpiActionName(int action) { return textAt(kDpiActionNames, action - 1); }

}  // namespace k8
