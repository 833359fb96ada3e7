#pragma once
// Macro images: the 128-byte form of a macro that the mouse plays. Bytes 0-1 hold the repeat
// count (high byte first); from byte 2 follow up to 63 two-byte event pairs, then zeros.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/profile.h"
#include "settings/mouse_settings.h"

namespace k8 {

inline constexpr std::size_t kMacroPairLimit = (kMacroImageSize - 2) / 2;  // 63
static_assert(kMacroPairLimit == 63);

// Event pairs that the lines need: one per event line, two when the delay line after it is
// longer than 1270 ms. Delay lines themselves need none.
std::size_t macroPairCount(std::span<const std::wstring> lines);

// Rebuilds bytes 2-127 of an image from a macro's lines; bytes 0-1 (the repeat count) stay.
// A step that no longer fits is left out with everything after it, so nothing is ever written
// past byte 127.
void encodeMacroSteps(std::span<const std::wstring> lines, MacroImage& image);

// The repeat count in bytes 0-1 of an image (0 while never set).
std::uint16_t repeatCount(const MacroImage& image);
void setRepeatCount(MacroImage& image, std::uint16_t count);

// The "Loop Times" field: a number 1-65535 is taken as typed; anything else (empty, 0, too
// large, not a number) becomes 1, and `replaced` tells the page to show "1" instead.
std::uint16_t loopTimesFromText(std::wstring_view text, bool& replaced);

// Rebuilds the images of the first twelve macros of record.ini: image k from the k-th section.
// A macro without lines clears its whole image (repeat count included); images without a
// section are left as they were.
void EncodeMacros(const ProfileFile& recordIni, MouseSettings& settings);

}  // namespace k8
