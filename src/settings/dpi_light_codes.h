#pragma once
// The bytes the record asks the mouse for: its DPI stage table and its light effect.

#include <array>
#include <cstdint>

#include "settings/mouse_settings.h"

namespace k8 {

using LightBytes = std::array<std::uint8_t, 3>;

// Light effect and parameter set 0 as the record's light mode asks for them; bytes the mode
// does not name keep what the mouse reported.
void computeLight(const MouseSettings& s, LightBytes& effect, LightBytes& set0);

// DPI code for a stage level under a sensor type. Unknown sensor types give 0; a level past the
// end of the sensor's table (settings made with another sensor) gives the table's last code.
std::uint8_t dpiCode(std::uint8_t sensorType, std::uint8_t level);
// The 8-byte payload of WriteDpiStages for the four stages of the record.
std::array<std::uint8_t, 8> buildDpiStageTable(const MouseSettings& s, std::uint8_t sensorType);

}  // namespace k8
