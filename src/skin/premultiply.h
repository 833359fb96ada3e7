#pragma once
// Per-pixel alpha blending wants colours already scaled by their alpha.

#include <cstdint>
#include <span>

namespace k8 {

// Pixels in blue-green-red-alpha byte order; a trailing partial pixel is left alone.
void premultiplyBgra(std::span<std::uint8_t> pixels);

}  // namespace k8
