#pragma once
// The Windows side of the fine timer (platform/fine_timer.h): timeBeginPeriod(1) while a
// FineTimerScope lives.

namespace k8 {

// Installs the hooks once per process; later calls do nothing.
void installFineTimer();

}  // namespace k8
