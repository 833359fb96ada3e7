#include "device/hot_plug.h"

namespace k8 {

void querySensorType(DeviceLink& link, DeviceState& state, const PauseFn& pause) {
  Transport transport(link.feature(), link.featureLengths(), pause);
  CommandSet commands(transport, state);
  commands.ExchangeSensorSettings();
}

HotPlugOutcome handleDeviceEvent(DeviceLink& link, DeviceEvent event,
                                 std::wstring_view interfacePath, DeviceState& state,
                                 const PauseFn& pause) {
  if (!pathNamesTheMouse(interfacePath)) return HotPlugOutcome::Ignored;
  if (!link.discover()) return HotPlugOutcome::Missing;
  if (event == DeviceEvent::Arrival) querySensorType(link, state, pause);
  return HotPlugOutcome::Connected;
}

}  // namespace k8
