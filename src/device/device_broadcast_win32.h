#pragma once
// Reading the device-change broadcasts of WM_DEVICECHANGE.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "device/hot_plug.h"

namespace k8 {

struct DeviceBroadcast {
  DeviceEvent event;
  std::wstring interfacePath;
};

// Arrival and removal of a device interface; every other event, device type or a broadcast
// too short for its header gives nothing. The name is read only within the broadcast's stated
// size, whether or not it ends in a terminator there.
std::optional<DeviceBroadcast> readDeviceBroadcast(WPARAM event, LPARAM broadcast);

// A broadcast as the system makes it, for the simulated build and the tests.
std::vector<std::uint8_t> makeDeviceBroadcast(const std::wstring& interfacePath);

}  // namespace k8
