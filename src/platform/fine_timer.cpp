#include "platform/fine_timer.h"

#include <mutex>

namespace k8 {
namespace {

struct FineTimer {
  std::mutex mutex;
  FineTimerHooks hooks;
  int holders = 0;
  bool granted = false;
};

FineTimer& fineTimer() {
  static FineTimer timer;
  return timer;
}

}  // namespace

void setFineTimerHooks(FineTimerHooks hooks) {
  auto& t = fineTimer();
  std::lock_guard lock(t.mutex);
  t.hooks = std::move(hooks);
}

bool fineTimerHeld() {
  auto& t = fineTimer();
  std::lock_guard lock(t.mutex);
  return t.holders > 0;
}

FineTimerScope::FineTimerScope() {
  auto& t = fineTimer();
  std::lock_guard lock(t.mutex);
  if (t.holders++ == 0) t.granted = t.hooks.begin && t.hooks.begin();
}

FineTimerScope::~FineTimerScope() {
  auto& t = fineTimer();
  std::lock_guard lock(t.mutex);
  if (--t.holders == 0 && t.granted) {
    t.granted = false;
    if (t.hooks.end) t.hooks.end();
  }
}

}  // namespace k8
