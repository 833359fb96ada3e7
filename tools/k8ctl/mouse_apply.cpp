// Builds without a HID backend: there is never a mouse to find.
#ifndef _WIN32
#include "mouse_apply.h"

#include <cstdio>

#include "cli.h"

namespace k8ctl {

int applyToMouse(const k8::MouseSettings&) {
  std::fprintf(stderr, "k8ctl: no mouse found (this build has no HID backend; use --simulate)\n");
  return kNoMouse;
}

}  // namespace k8ctl
#endif
