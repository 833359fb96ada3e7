#include "platform/pause_win32.h"

// clang-format off
#include <windows.h>
#include <timeapi.h>  // needs windows.h first
// clang-format on

#include "platform/fine_timer.h"
#include "platform/system_library_win32.h"

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
    // Without the multimedia library the timer keeps its resolution, as when it refuses.
    setFineTimerHooks({[] {
                         return K8_SYSTEM_CALL(L"winmm.dll", timeBeginPeriod, TIMERR_NOCANDO, 1) ==
                                TIMERR_NOERROR;
                       },
                       [] { K8_SYSTEM_CALL(L"winmm.dll", timeEndPeriod, TIMERR_NOCANDO, 1); }});
    return true;
  }();
  (void)once;
}

}  // namespace k8
