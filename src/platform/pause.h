#pragma once
// Every fixed pause between device transfers goes through one function object, so that the
// simulated mouse can log it and unit tests need not wait.

#include <functional>

namespace k8 {

using PauseFn = std::function<void(unsigned milliseconds)>;

// Sleeps for real: Sleep on Windows (the C++ library's sleep_for is late there), sleep_for
// elsewhere. What sends to the mouse holds a FineTimerScope (fine_timer.h) meanwhile.
void realPause(unsigned milliseconds);

}  // namespace k8
