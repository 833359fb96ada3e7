#include "settings/scan_code_names.h"

#include <array>

namespace k8 {
namespace {

// Scan code set 1 as the system reports it in a key message: the index is the scan code, a
// separate table holds the keys that come with the extended-key bit (the E0 prefix).
constexpr std::size_t kScanCodes = 0x60;

constexpr std::array<std::wstring_view, kScanCodes> plainNames() {
  std::array<std::wstring_view, kScanCodes> n{};
  n[0x01] = L"Esc";
  constexpr std::wstring_view digits[] = {L"1", L"2", L"3", L"4", L"5",
                                          L"6", L"7", L"8", L"9", L"0"};
  for (std::size_t i = 0; i < 10; ++i) n[0x02 + i] = digits[i];
  n[0x0C] = L"-";
  n[0x0D] = L"=";
  n[0x0E] = L"Backspace";
  n[0x0F] = L"Tab";
  constexpr std::wstring_view top[] = {L"Q", L"W", L"E", L"R", L"T", L"Y", L"U", L"I", L"O", L"P"};
  for (std::size_t i = 0; i < 10; ++i) n[0x10 + i] = top[i];
  n[0x1A] = L"[";
  n[0x1B] = L"]";
  n[0x1C] = L"Enter";
  n[0x1D] = L"Ctrl";
  constexpr std::wstring_view home[] = {L"A", L"S", L"D", L"F", L"G", L"H", L"J", L"K", L"L"};
  for (std::size_t i = 0; i < 9; ++i) n[0x1E + i] = home[i];
  n[0x27] = L";";
  n[0x28] = L"'";
  n[0x29] = L"`";
  n[0x2A] = L"Shift";
  n[0x2B] = L"\\";
  constexpr std::wstring_view bottom[] = {L"Z", L"X", L"C", L"V", L"B", L"N", L"M"};
  for (std::size_t i = 0; i < 7; ++i) n[0x2C + i] = bottom[i];
  n[0x33] = L",";
  n[0x34] = L".";
  n[0x35] = L"/";
  n[0x36] = L"Right Shift";
  n[0x37] = L"Num *";
  n[0x38] = L"Alt";
  n[0x39] = L"Space";
  n[0x3A] = L"Caps Lock";
  constexpr std::wstring_view f[] = {L"F1", L"F2", L"F3", L"F4", L"F5",
                                     L"F6", L"F7", L"F8", L"F9", L"F10"};
  for (std::size_t i = 0; i < 10; ++i) n[0x3B + i] = f[i];
  n[0x45] = L"Pause";  // Num Lock comes as 0x45 with the extended bit
  n[0x46] = L"Scroll Lock";
  constexpr std::wstring_view pad[] = {L"Num 7", L"Num 8", L"Num 9",  L"Num -", L"Num 4",
                                       L"Num 5", L"Num 6", L"Num +",  L"Num 1", L"Num 2",
                                       L"Num 3", L"Num 0", L"Num Del"};
  for (std::size_t i = 0; i < 13; ++i) n[0x47 + i] = pad[i];
  n[0x54] = L"Prnt Scrn";  // with Alt held
  n[0x57] = L"F11";
  n[0x58] = L"F12";
  return n;
}

constexpr std::array<std::wstring_view, kScanCodes> extendedNames() {
  std::array<std::wstring_view, kScanCodes> n{};
  n[0x1C] = L"Num Enter";
  n[0x1D] = L"Right Ctrl";
  n[0x35] = L"Num /";
  n[0x36] = L"Right Shift";  // some keyboards flag it
  n[0x37] = L"Prnt Scrn";
  n[0x38] = L"Right Alt";
  n[0x45] = L"Num Lock";
  n[0x46] = L"Pause";  // Ctrl+Pause (Break)
  n[0x47] = L"Home";
  n[0x48] = L"Up";
  n[0x49] = L"Page Up";
  n[0x4B] = L"Left";
  n[0x4D] = L"Right";
  n[0x4F] = L"End";
  n[0x50] = L"Down";
  n[0x51] = L"Page Down";
  n[0x52] = L"Insert";
  n[0x53] = L"Delete";
  n[0x5B] = L"Left Windows";
  n[0x5C] = L"Right Windows";
  return n;
}

constexpr auto kPlain = plainNames();
constexpr auto kExtended = extendedNames();

}  // namespace

std::wstring_view keystrokeName(unsigned scanCode, bool extended) {
  if (scanCode >= kScanCodes) return {};
  return extended ? kExtended[scanCode] : kPlain[scanCode];
}

}  // namespace k8
