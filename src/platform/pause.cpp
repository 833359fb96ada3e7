#include "platform/pause.h"

#include <chrono>
#include <thread>

namespace k8 {

void realPause(unsigned milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace k8
