// Any 1,985 bytes are a settings record someone may hand us in config.bin: every consumer of the
// record must cope without reading past a table.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "device/commands.h"
#include "device/simulated_mouse.h"
#include "settings/key_codes.h"
#include "settings/key_tables.h"
#include "sync/apply.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  k8::MouseSettings s{};
  std::memcpy(&s, data + 1, std::min(size - 1, sizeof s));
  const std::uint8_t sensorType = data[0] % 6;  // the four known types and two unknown ones

  for (int mode = 0; mode < 2; ++mode) {
    (void)k8::buildKeyMatrix(s, mode);
    for (int b = 0; b < k8::kButtonSlots; ++b) {
      const auto& m = s.mode(mode);
      (void)k8::functionName(m.function[b]);
      (void)k8::dpiActionName(s.dpiAction(mode)[b]);
      (void)k8::fireKeyName(m.fireKeyIndex[b]);
      (void)k8::mediaName(m.mediaIndex[b]);
      (void)k8::windowsFunctionName(m.windowsIndex[b]);
      (void)k8::keyNameOfUsage(m.singleKeyUsage[b]);
    }
  }
  for (std::uint8_t level : s.dpiLevel) (void)k8::dpiText(sensorType, level);
  (void)k8::brightnessText(s.ledBrightness);
  (void)k8::beatSpeedText(s.ledBeatSpeed);
  (void)k8::switchTimeText(s.ledSwitchTime);

  k8::SimulatedMouse mouse(sensorType);
  auto device = mouse.open(k8::SimulatedMouse::kFeaturePath, true);
  k8::Transport transport(device.get(), {9, 33, 33}, nullptr);
  k8::DeviceState state;
  k8::CommandSet commands(transport, state);
  commands.ExchangeSensorSettings();
  k8::sendSettingsToMouse(s, commands);
  return 0;
}
