#pragma once
// Arrival and removal of device interfaces, as the main window receives them.

#include <string_view>

#include "device/commands.h"
#include "device/device_link.h"
#include "platform/pause.h"

namespace k8 {

enum class DeviceEvent { Arrival, RemoveComplete };

enum class HotPlugOutcome {
  Ignored,    // not the mouse: the connection is untouched
  Connected,  // discovery found the mouse
  Missing,    // discovery failed: tell the user and hide the window
};

// Runs CommandSet::ExchangeSensorSettings over the open feature collection (read, set bit 6 of
// option 2, write back); the sensor type the mouse reports lands in `state`.
void querySensorType(DeviceLink& link, DeviceState& state, const PauseFn& pause);

// An event for an interface whose name carries one of the mouse's path fragments runs
// discovery again; a successful arrival also runs the sensor-settings exchange.
HotPlugOutcome handleDeviceEvent(DeviceLink& link, DeviceEvent event,
                                 std::wstring_view interfacePath, DeviceState& state,
                                 const PauseFn& pause);

}  // namespace k8
