// The e2e test's window on the session's pointer settings, from a process of its own:
//   k8pointer get                                   -> "speed=S wheel=W double-click=D
//   acceleration=A" k8pointer set SPEED WHEEL DOUBLE_CLICK ACCELERATION   (stored in the user
//   profile)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "get") == 0) {
    int speed = 0, mouse[3] = {};
    UINT wheel = 0;
    if (!SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed, 0) ||
        !SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &wheel, 0) ||
        !SystemParametersInfoW(SPI_GETMOUSE, 0, mouse, 0))
      return 1;
    std::printf("speed=%d wheel=%u double-click=%u acceleration=%d\n", speed, wheel,
                GetDoubleClickTime(), mouse[2]);
    return 0;
  }
  if (argc == 6 && std::strcmp(argv[1], "set") == 0) {
    const int speed = std::atoi(argv[2]);
    const auto wheel = static_cast<UINT>(std::strtoul(argv[3], nullptr, 10));
    const auto time = static_cast<UINT>(std::atoi(argv[4]));
    int mouse[3] = {0, 0, std::atoi(argv[5])};
    if (mouse[2] != 0) {
      mouse[0] = 6;
      mouse[1] = 10;
    }
    const UINT store = SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE;
    // Windows reads the speed from pvParam, Wine 8 from uiParam.
    const bool ok =
        SystemParametersInfoW(SPI_SETMOUSESPEED, static_cast<UINT>(speed),
                              reinterpret_cast<void*>(static_cast<INT_PTR>(speed)), store) &&
        SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, wheel, nullptr, store) &&
        SystemParametersInfoW(SPI_SETDOUBLECLICKTIME, time, nullptr, store) &&
        SystemParametersInfoW(SPI_SETMOUSE, 0, mouse, store);
    return ok ? 0 : 1;
  }
  std::fprintf(stderr, "usage: k8pointer get | set SPEED WHEEL DOUBLE_CLICK ACCELERATION\n");
  return 2;
}
