#pragma once
// Conversions at the edges: the program keeps text as std::wstring (UTF-16 on Windows,
// UTF-32 elsewhere); files and terminals get UTF-8.

#include <string>
#include <string_view>

namespace k8 {

std::string toUtf8(std::wstring_view text);
// Invalid sequences become U+FFFD.
std::wstring fromUtf8(std::string_view text);

}  // namespace k8
