#pragma once
// What the program does when a device interface arrives or leaves. The window only carries it
// out: it shows the notices and hides itself as told.

#include <string_view>

#include "device/hot_plug.h"
#include "settings/mouse_settings.h"

namespace k8 {

struct DeviceChangeReaction {
  bool tellMissing = false;       // the mouse-missing notice
  bool hideWindow = false;        // a window without a mouse to set up goes away
  bool tellNotDelivered = false;  // owed settings went again and still did not arrive whole
};

// Runs the hot-plug rule; after an arrival that connected, also sends what the last Apply (or
// resend) owes the mouse.
DeviceChangeReaction reactToDeviceChange(DeviceLink& link, DeviceEvent event,
                                         std::wstring_view interfacePath, DeviceState& state,
                                         const MouseSettings& committed, const PauseFn& pause);

}  // namespace k8
