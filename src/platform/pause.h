#pragma once
// Every fixed pause between device transfers goes through one function object, so that the
// simulated mouse can log it and unit tests need not wait.

#include <functional>

namespace k8 {

using PauseFn = std::function<void(unsigned milliseconds)>;

// Sleeps for real (std::this_thread::sleep_for). The Windows program wraps it in a scope that
// raises the timer resolution for the duration of an Apply.
void realPause(unsigned milliseconds);

}  // namespace k8
