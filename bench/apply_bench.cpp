// Runs Apply against the simulated mouse with real pauses and compares the wall time with the
// sum of the pauses the protocol asks for. Each run sends through a Transport of its own, which
// holds the fine timer as the program's Apply does. Not a test: timings vary with the machine.
//   apply_bench [RUNS]
//   apply_bench --exec wine apply_bench.exe [RUNS]   (Linux build: the Windows one under Wine)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "device/commands.h"
#include "device/simulated_mouse.h"
#include "sync/apply.h"
#ifdef _WIN32
#include "platform/pause_win32.h"
#else
#include <sys/prctl.h>
#include <unistd.h>
#endif

using namespace k8;

int main(int argc, char** argv) {
#ifndef _WIN32
  // Linux lets short sleeps run up to 50 us late by default; the program itself runs on Windows,
  // where the fine timer scope below does the same job.
  prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
  // `apply_bench --exec COMMAND...` runs COMMAND with that slack instead: a Wine process started
  // so inherits it, and the Windows benchmark is then measured on the same terms.
  if (argc > 2 && std::string_view(argv[1]) == "--exec") {
    execvp(argv[2], argv + 2);
    std::perror(argv[2]);
    return 2;
  }
#endif
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
  MouseSettings settings{};
  resetKeyDefaults(settings);
  settings.reportRate = 1;
  settings.ledMode = 1;

#ifdef _WIN32
  installFineTimer();
#endif
  SimulatedMouse mouse;
  auto device = mouse.open(SimulatedMouse::kFeaturePath, true);
  DeviceState state;

  std::vector<double> ms;
  unsigned mandated = 0;
  for (int i = 0; i < runs; ++i) {
    mouse.clearWireLog();
    const auto start = std::chrono::steady_clock::now();
    {
      Transport transport(device.get(), {9, 33, 33}, mouse.pauseFn(true));
      CommandSet commands(transport, state);
      sendSettingsToMouse(settings, commands);
    }
    const auto end = std::chrono::steady_clock::now();
    ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    mandated = 0;
    for (const auto& line : mouse.wireLog()) {
      if (line.rfind("sleep ", 0) == 0)
        mandated += static_cast<unsigned>(std::stoul(line.substr(6)));
    }
  }
  std::sort(ms.begin(), ms.end());
  const double median = ms[ms.size() / 2];
  std::printf(
      "apply runs: %d\nmandated pauses: %u ms\nwall time: median %.1f ms, min %.1f ms, max %.1f "
      "ms\n",
      runs, mandated, median, ms.front(), ms.back());
  std::printf("ratio (median / mandated): %.3f\n", median / mandated);
  return 0;
}
