#include "skin/colour_slots.h"

namespace k8 {

bool ColourSlots::inUse(std::uint32_t colour) const {
  for (const auto& [slot, c] : slots_)
    if (c == colour) return true;
  return false;
}

std::optional<std::uint32_t> ColourSlots::use(int slot, std::uint32_t colour) {
  const auto [at, added] = slots_.try_emplace(slot, colour);
  if (added || at->second == colour) return std::nullopt;
  const std::uint32_t old = at->second;
  at->second = colour;
  if (inUse(old)) return std::nullopt;
  return old;
}

}  // namespace k8
