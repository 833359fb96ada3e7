#include "macros/macro_lines.h"

#include <algorithm>
#include <limits>

#include "platform/text.h"

namespace k8 {
namespace {

std::wstring removeAll(std::wstring_view text, std::wstring_view part) {
  std::wstring out;
  out.reserve(text.size());
  std::size_t start = 0;
  for (std::size_t at = text.find(part); at != std::wstring_view::npos;
       at = text.find(part, start)) {
    out.append(text.substr(start, at - start));
    start = at + part.size();
  }
  out.append(text.substr(start));
  return out;
}

}  // namespace

LineKind lineKind(std::wstring_view line) {
  if (line.find(kPressSuffix) != std::wstring_view::npos) return LineKind::Press;
  if (line.find(kReleaseSuffix) != std::wstring_view::npos) return LineKind::Release;
  return LineKind::Delay;
}

std::wstring pressLine(std::wstring_view keyName) {
  return std::wstring(keyName) + std::wstring(kPressSuffix);
}

std::wstring releaseLine(std::wstring_view keyName) {
  return std::wstring(keyName) + std::wstring(kReleaseSuffix);
}

std::wstring eventKeyName(std::wstring_view line) {
  return removeAll(line, lineKind(line) == LineKind::Press ? kPressSuffix : kReleaseSuffix);
}

std::uint32_t delayOf(std::wstring_view line) {
  return static_cast<std::uint32_t>(
      std::min<std::int64_t>(decimalNumber(removeAll(line, kDelaySuffix), NumberForm::Digits),
                             std::numeric_limits<std::uint32_t>::max()));
}

std::wstring delayLine(long delay, std::wstring_view typedText) {
  if (delay < kMinDelayMs) return std::to_wstring(kMinDelayMs) + std::wstring(kDelaySuffix);
  if (delay > kMaxDelayMs) return std::to_wstring(kMaxDelayMs) + std::wstring(kDelaySuffix);
  return std::wstring(typedText) + std::wstring(kDelaySuffix);
}

}  // namespace k8
