#pragma once
// Windows rounds Sleep(2) up to the clock tick (15.6 ms by default), which would stretch one Apply
// from about 0.3 s to about 1.5 s. While a FineTimerScope lives, the timer runs at 1 ms.

namespace k8 {

class FineTimerScope {
 public:
  FineTimerScope();
  ~FineTimerScope();
  FineTimerScope(const FineTimerScope&) = delete;
  FineTimerScope& operator=(const FineTimerScope&) = delete;

 private:
  bool active_ = false;
};

}  // namespace k8
