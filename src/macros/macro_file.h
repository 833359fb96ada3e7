#pragma once
// record.ini: one section per macro, in macro-number order, with "ItemCount" and the event
// lines as "Item0".."Item<n-1>".

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/profile.h"

namespace k8 {

inline constexpr int kMacroLimit = 12;
inline constexpr std::size_t kMacroNameLimit = 31;       // characters of one name
inline constexpr std::size_t kMacroNameListLimit = 255;  // names + one separator each
// A hand-edited "ItemCount" cannot make a reader walk billions of keys: no more lines than
// this are read (a recorded macro that still fits the mouse has far fewer).
inline constexpr std::size_t kMacroLineLimit = 4096;

// The names in file order, from a 1024-character section-name list, stopping at the first
// empty name or where the list passes character 255. A missing file lists nothing.
std::vector<std::wstring> listMacroNames(const ProfileFile& recordIni);

// "ItemCount" (missing or not a number: 0; at most kMacroLineLimit), then that many items;
// a missing item is an empty line.
std::vector<std::wstring> loadMacroLines(const ProfileFile& recordIni, std::wstring_view name);

// Writes the macro's section. A section that exists keeps its place in the file, so the
// macro keeps its number: its keys are rewritten in place and items past the new count are
// removed. A new section goes at the end. Every line reads back as it is.
bool writeMacroSection(ProfileFile& recordIni, std::wstring_view name,
                       std::span<const std::wstring> lines);

}  // namespace k8
