#pragma once
// Conversions at the edges: the program keeps text as std::wstring (UTF-16 on Windows,
// UTF-32 elsewhere); files and terminals get UTF-8.

#include <cstdint>
#include <string>
#include <string_view>

namespace k8 {

std::string toUtf8(std::wstring_view text);
// Invalid sequences become U+FFFD.
std::wstring fromUtf8(std::string_view text);

enum class NumberForm {
  Digits,  // the text begins with the digits
  Signed,  // blanks and one sign may come first, as the C runtime reads a number
};
// The decimal number a text begins with, up to the first other character; no digits read as 0.
// Saturates instead of overflowing.
std::int64_t decimalNumber(std::wstring_view text, NumberForm form);

}  // namespace k8
