// The program with the real HID backend.
#include <windows.h>

#include "app/program_options_win32.h"
#include "device/hid_backend_win32.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  k8::Win32HidBackend backend;
  k8::ProgramOptions options;
  options.backend = &backend;
  options.pause = k8::realPause;
  return k8::runProgram(instance, options);
}
