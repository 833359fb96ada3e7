#include "platform/pause_win32.h"

// clang-format off
#include <windows.h>
#include <timeapi.h>  // needs windows.h first
// clang-format on

#include "platform/fine_timer.h"

namespace k8 {

// Process power throttling may otherwise ignore timeBeginPeriod for a process without visible
// windows, which is what a tray program usually is.
static void optOutOfTimerThrottling() {
#ifdef PROCESS_POWER_THROTTLING_IGNORE_TIMER_RESOLUTION
  PROCESS_POWER_THROTTLING_STATE state{};
  state.Version = PROCESS_POWER_THROTTLING_CURRENT_VERSION;
  state.ControlMask = PROCESS_POWER_THROTTLING_IGNORE_TIMER_RESOLUTION;
  state.StateMask = 0;
  SetProcessInformation(GetCurrentProcess(), ProcessPowerThrottling, &state, sizeof state);
#endif
}

void installFineTimer() {
  static const bool once = [] {
    optOutOfTimerThrottling();
    setFineTimerHooks(
        {[] { return timeBeginPeriod(1) == TIMERR_NOERROR; }, [] { timeEndPeriod(1); }});
    return true;
  }();
  (void)once;
}

}  // namespace k8
