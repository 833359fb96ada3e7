#include "sync/device_change.h"

#include "sync/apply.h"

namespace k8 {

DeviceChangeReaction reactToDeviceChange(DeviceLink& link, DeviceEvent event,
                                         std::wstring_view interfacePath, DeviceState& state,
                                         const MouseSettings& committed, const PauseFn& pause) {
  DeviceChangeReaction r;
  switch (handleDeviceEvent(link, event, interfacePath, state, pause)) {
    case HotPlugOutcome::Ignored: break;
    case HotPlugOutcome::Missing:
      r.tellMissing = true;
      r.hideWindow = true;
      break;
    case HotPlugOutcome::Connected:
      if (event == DeviceEvent::Arrival && state.settingsOwed) {
        Transport transport(link.feature(), link.featureLengths(), pause);
        CommandSet commands(transport, state);
        r.tellNotDelivered = !resendOwedSettings(committed, commands);
      }
      break;
  }
  return r;
}

}  // namespace k8
