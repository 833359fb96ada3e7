#pragma once
// The text form of a macro's steps: event lines ("A   Dn", "A   Up") and delay lines ("50 ms"),
// as record.ini keeps them and the Advanced page's event list shows them.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace k8 {

inline constexpr std::wstring_view kPressSuffix = L"   Dn";
inline constexpr std::wstring_view kReleaseSuffix = L"   Up";
inline constexpr std::wstring_view kDelaySuffix = L" ms";
inline constexpr std::wstring_view kRecordedDelay = L"50 ms";

// Delays the program writes are clamped to this range.
inline constexpr long kMinDelayMs = 20;
inline constexpr long kMaxDelayMs = 10000;

enum class LineKind { Press, Release, Delay };

// A line containing "   Dn" is a press, else one containing "   Up" a release, else a delay.
LineKind lineKind(std::wstring_view line);
inline bool isEventLine(std::wstring_view line) { return lineKind(line) != LineKind::Delay; }

std::wstring pressLine(std::wstring_view keyName);
std::wstring releaseLine(std::wstring_view keyName);
// The key name of an event line: the line with every "   Dn" (or "   Up") removed.
std::wstring eventKeyName(std::wstring_view line);

// The delay of a delay line: the line with every " ms" removed, its leading decimal digits
// (none gives 0). Saturates instead of overflowing.
std::uint32_t delayOf(std::wstring_view line);

// The delay dialog's result as a line: 19 or less gives "20 ms", more than 10000 gives
// "10000 ms", otherwise the number as the user typed it (leading zeros kept) + " ms".
std::wstring delayLine(long delay, std::wstring_view typedText);

}  // namespace k8
