#include "skin/premultiply.h"

namespace k8 {

void premultiplyBgra(std::span<std::uint8_t> pixels) {
  const std::size_t whole = pixels.size() / 4 * 4;
  for (std::size_t i = 0; i < whole; i += 4) {
    const unsigned alpha = pixels[i + 3];
    if (alpha == 255) continue;
    for (std::size_t c = 0; c < 3; ++c)
      pixels[i + c] = static_cast<std::uint8_t>(pixels[i + c] * alpha / 255);
  }
}

}  // namespace k8
