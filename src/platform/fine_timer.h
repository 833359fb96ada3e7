#pragma once
// Windows rounds a 2 ms Sleep up to the clock tick (15.6 ms by default) unless someone in the
// process asks for the 1 ms timer, which would stretch one Apply from about 0.3 s to about
// 1.5 s. Every path that sends to the mouse holds a FineTimerScope for its whole length (the
// Transport it sends through owns one). The resolution is process-wide, so scopes nest: the
// first one asks for it, the last one gives it back.

#include <functional>

namespace k8 {

struct FineTimerHooks {
  std::function<bool()> begin;  // true when the fine timer was granted
  std::function<void()> end;    // called once for every granted begin
};

// The Windows program installs timeBeginPeriod(1) / timeEndPeriod(1) (installFineTimer());
// without hooks a scope only counts.
void setFineTimerHooks(FineTimerHooks hooks);
// True while at least one scope lives.
bool fineTimerHeld();

class FineTimerScope {
 public:
  FineTimerScope();
  ~FineTimerScope();
  FineTimerScope(const FineTimerScope&) = delete;
  FineTimerScope& operator=(const FineTimerScope&) = delete;
};

}  // namespace k8
