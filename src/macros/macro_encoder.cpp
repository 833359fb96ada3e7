#include "macros/macro_encoder.h"

#include <algorithm>
#include <cstdint>

#include "macros/macro_file.h"
#include "macros/macro_lines.h"
#include "platform/text.h"
#include "settings/key_tables.h"

namespace k8 {
namespace {

constexpr std::uint32_t kShortDelayLimit = 1270;  // longest delay one pair can hold
constexpr std::uint8_t kReleaseBit = 0x80;
constexpr std::uint8_t kLongDelayCode = 3;  // key byte of a long delay's second pair

// The delay of the event at `i`: the line after it, if that is there.
std::uint32_t delayAfter(std::span<const std::wstring> lines, std::size_t i) {
  return i + 1 < lines.size() ? delayOf(lines[i + 1]) : 0;
}

}  // namespace

std::size_t macroPairCount(std::span<const std::wstring> lines) {
  std::size_t pairs = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!isEventLine(lines[i])) continue;
    pairs += delayAfter(lines, i) > kShortDelayLimit ? 2 : 1;
  }
  return pairs;
}

void encodeMacroSteps(std::span<const std::wstring> lines, MacroImage& image) {
  std::fill(image.begin() + 2, image.end(), std::uint8_t{0});
  std::size_t at = 2;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const LineKind kind = lineKind(lines[i]);
    if (kind == LineKind::Delay) continue;
    const std::uint8_t release = kind == LineKind::Release ? kReleaseBit : 0;
    const std::uint8_t code = keyUsage(eventKeyName(lines[i]));
    const std::uint32_t w = delayAfter(lines, i);
    const std::size_t size = w > kShortDelayLimit ? 4 : 2;
    if (at + size > image.size()) break;
    if (w <= kShortDelayLimit) {
      image[at] = static_cast<std::uint8_t>(((w / 10) & 0x7F) | release);
      image[at + 1] = code;
    } else {
      image[at] = static_cast<std::uint8_t>(((w % 100) & 0x7F) | release);
      image[at + 1] = code;
      image[at + 2] = static_cast<std::uint8_t>((w / 100) & 0x7F);
      image[at + 3] = kLongDelayCode;
    }
    at += size;
  }
}

std::uint16_t repeatCount(const MacroImage& image) {
  return static_cast<std::uint16_t>((image[0] << 8) | image[1]);
}

void setRepeatCount(MacroImage& image, std::uint16_t count) {
  image[0] = static_cast<std::uint8_t>(count >> 8);
  image[1] = static_cast<std::uint8_t>(count & 0xFF);
}

std::uint16_t loopTimesFromText(std::wstring_view text, bool& replaced) {
  const bool digits =
      !text.empty() && text.size() <= 10 &&
      std::all_of(text.begin(), text.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
  const std::int64_t value = digits ? decimalNumber(text, NumberForm::Digits) : 0;
  replaced = value < 1 || value > 65535;
  return replaced ? 1 : static_cast<std::uint16_t>(value);
}

void EncodeMacros(const ProfileFile& recordIni, MouseSettings& settings) {
  const std::vector<std::wstring> names = listMacroNames(recordIni);
  const std::size_t count = std::min<std::size_t>(names.size(), settings.macroImages.size());
  for (std::size_t k = 0; k < count; ++k) {
    MacroImage& image = settings.macroImages[k];
    const std::vector<std::wstring> lines = loadMacroLines(recordIni, names[k]);
    if (lines.empty()) {
      image.fill(0);
    } else {
      encodeMacroSteps(lines, image);
    }
  }
}

}  // namespace k8
