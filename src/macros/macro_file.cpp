#include "macros/macro_file.h"

#include <algorithm>
#include <array>

#include "macros/macro_lines.h"
#include "platform/text.h"

namespace k8 {
namespace {

constexpr std::wstring_view kItemCount = L"ItemCount";

std::wstring itemKey(std::size_t i) { return L"Item" + std::to_wstring(i); }

// The profile functions trim blanks around a value and take one pair of quotes off a value
// wholly inside them. A line they would change that way is written inside quotes of its own,
// which the reading takes off again.
std::wstring storedLine(const std::wstring& line) {
  if (line.empty()) return line;
  const auto blank = [](wchar_t c) { return c == L' ' || c == L'\t'; };
  const bool quoted = line.size() >= 2 && (line.front() == L'"' || line.front() == L'\'') &&
                      line.back() == line.front();
  if (!quoted && !blank(line.front()) && !blank(line.back())) return line;
  return L'"' + line + L'"';
}

std::size_t itemCount(const ProfileFile& recordIni, std::wstring_view name) {
  const std::wstring text = recordIni.readString(name, kItemCount);
  return static_cast<std::size_t>(std::min(decimalNumber(text, NumberForm::Digits),
                                           static_cast<std::int64_t>(kMacroLineLimit)));
}

}  // namespace

std::vector<std::wstring> listMacroNames(const ProfileFile& recordIni) {
  std::array<wchar_t, kProfileValueLimit> buffer{};
  recordIni.sectionNames(buffer.data(), buffer.size());
  buffer.back() = L'\0';  // whatever a backend does, the last name ends inside the buffer
  std::vector<std::wstring> names;
  std::size_t at = 0;
  while (at < kMacroNameListLimit && buffer[at] != L'\0') {
    const std::wstring_view name(buffer.data() + at);
    if (at + name.size() + 1 > kMacroNameListLimit) break;  // reaches past character 255
    names.emplace_back(name);
    at += name.size() + 1;
  }
  return names;
}

std::vector<std::wstring> loadMacroLines(const ProfileFile& recordIni, std::wstring_view name) {
  const std::size_t n = itemCount(recordIni, name);
  std::vector<std::wstring> lines;
  lines.reserve(n);
  for (std::size_t i = 0; i < n; ++i) lines.push_back(recordIni.readString(name, itemKey(i)));
  return lines;
}

bool writeMacroSection(ProfileFile& recordIni, std::wstring_view name,
                       std::span<const std::wstring> lines) {
  const std::size_t old = itemCount(recordIni, name);
  bool ok = recordIni.writeString(name, kItemCount, std::to_wstring(lines.size()));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    ok = recordIni.writeString(name, itemKey(i), storedLine(lines[i])) && ok;
  }
  for (std::size_t i = lines.size(); i < old; ++i) ok = recordIni.deleteKey(name, itemKey(i)) && ok;
  return ok;
}

}  // namespace k8
