#include "platform/pause.h"

#ifdef _WIN32
// Sleep straight from kernel32: the C++ library's sleep_for adds about 0.3 ms to every short
// pause there, and an Apply has 68 of them.
extern "C" __declspec(dllimport) void __stdcall Sleep(unsigned long milliseconds);
#else
#include <chrono>
#include <thread>
#endif

namespace k8 {

void realPause(unsigned milliseconds) {
#ifdef _WIN32
  Sleep(milliseconds);
#else
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
#endif
}

}  // namespace k8
