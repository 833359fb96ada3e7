#include "settings/dpi_light_codes.h"

#include <span>

namespace k8 {
namespace {

constexpr std::uint8_t kDpiCodes0[] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06,
                                       0x07, 0x08, 0x25, 0x26, 0x27, 0x28};
constexpr std::uint8_t kDpiCodes1[] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x23, 0x24, 0x25};
constexpr std::uint8_t kDpiCodes2[] = {0x02, 0x04, 0x06, 0x08, 0x0A, 0x26, 0x28, 0x2A};
constexpr std::uint8_t kDpiCodes3[] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08};

}  // namespace

std::uint8_t dpiCode(std::uint8_t sensorType, std::uint8_t level) {
  std::span<const std::uint8_t> table;
  switch (sensorType) {
    case 0: table = kDpiCodes0; break;
    case 1: table = kDpiCodes1; break;
    case 2: table = kDpiCodes2; break;
    case 3: table = kDpiCodes3; break;
    default: return 0;
  }
  return level < table.size() ? table[level] : table.back();
}

std::array<std::uint8_t, 8> buildDpiStageTable(const MouseSettings& s, std::uint8_t sensorType) {
  std::array<std::uint8_t, 8> table{};
  for (int stage = 0; stage < kDpiStages; ++stage) {
    const std::uint8_t code = dpiCode(sensorType, s.dpiLevel[stage]);
    table[stage] = s.dpiStageEnabled[stage] ? (code & 0x7F) : (code | 0x80);
  }
  for (int stage = kDpiStages; stage < 8; ++stage) table[stage] = 0x80;
  return table;
}

void computeLight(const MouseSettings& s, LightBytes& effect, LightBytes& set0) {
  switch (s.ledMode) {
    case 1:  // Standard
      effect = {1, static_cast<std::uint8_t>(s.ledBrightness + 1), 2};
      set0[0] = 1;
      break;
    case 2:  // Respiration
      effect[0] = 2;
      effect[1] = static_cast<std::uint8_t>(s.ledBeatSpeed + 1);
      if (s.ledMode2Option == 1) {
        effect[2] = 2;
        set0[0] = 1;
      } else if (s.ledMode2Option == 2) {
        effect[2] = 3;
        set0 = {2, 125, 3};
      }
      break;
    case 3:  // Neon
      effect[0] = 3;
      effect[1] = static_cast<std::uint8_t>(s.ledSwitchTime + 1);
      if (s.ledMode3Option == 2) {
        set0 = {2, 100, 10};
      } else if (s.ledMode3Option == 3) {
        set0 = {3, 5, 5};
      }
      break;
    default: break;
  }
}

}  // namespace k8
