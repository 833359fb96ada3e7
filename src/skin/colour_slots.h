#pragma once
// Which colour each child control's background is painted with now. A window keeps one brush
// per colour that some control still uses: picking colour after colour for one swatch must not
// leave a brush behind for each.

#include <cstdint>
#include <map>
#include <optional>

namespace k8 {

class ColourSlots {
 public:
  // Control `slot` is painted with `colour` from now on. Returns the colour it had before when
  // no control uses that one any more (its brush can go).
  std::optional<std::uint32_t> use(int slot, std::uint32_t colour);
  void clear() { slots_.clear(); }

 private:
  bool inUse(std::uint32_t colour) const;
  std::map<int, std::uint32_t> slots_;
};

}  // namespace k8
