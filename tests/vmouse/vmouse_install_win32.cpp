// plug and unplug: the virtual mouse's collections come and go as root devices installed and
// removed through the device-installation functions, so the system broadcasts them as it would
// a mouse on the cable.
#include "vmouse_win32.h"

// clang-format off
#include <windows.h>
#include <setupapi.h>
#include <newdev.h>
#include <devguid.h>
// clang-format on

#include <cstdio>
#include <filesystem>
#include <iterator>
#include <string_view>

#include "vmouse_protocol.h"

namespace k8vmouse {

namespace {

std::wstring hardwareId(int interface) {
  return L"ROOT\\VID_04D9&PID_A09F&MI_0" + std::to_wstring(interface);
}
// The system names the HID device after the part of this name past its last backslash.
std::wstring instanceId(int interface) { return hardwareId(interface) + L"\\0000"; }
std::wstring roleId(int role) { return L"ROOT\\VID_04D9&PID_A09F&ROLE_" + std::to_wstring(role); }

struct InfoList {
  HDEVINFO set;
  ~InfoList() {
    if (set != INVALID_HANDLE_VALUE) SetupDiDestroyDeviceInfoList(set);
  }
};

bool fail(const char* what, int role) {
  std::fprintf(stderr, "k8vmouse: %s of collection %d failed (error %lu)\n", what, role,
               GetLastError());
  return false;
}

// The driver goes where its service says it is; copied each time, so a rebuilt one is taken
// by the next load.
bool placeDriver(const std::filesystem::path& folder) {
  wchar_t system[MAX_PATH];
  if (!GetSystemDirectoryW(system, MAX_PATH)) return false;
  const auto target = std::filesystem::path(system) / L"drivers" / L"k8vmouse.sys";
  if (CopyFileW((folder / L"k8vmouse.sys").c_str(), target.c_str(), FALSE)) return true;
  // In use by a loaded driver: the copy there is the one that runs.
  return GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

bool plug(int role, int interface, const std::filesystem::path& folder) {
  if (!placeDriver(folder)) {
    std::fprintf(stderr, "k8vmouse: cannot place k8vmouse.sys among the system's drivers\n");
    return false;
  }
  InfoList list{SetupDiCreateDeviceInfoList(&GUID_DEVCLASS_HIDCLASS, nullptr)};
  if (list.set == INVALID_HANDLE_VALUE) return fail("the device list", role);
  SP_DEVINFO_DATA device{};
  device.cbSize = sizeof device;
  if (!SetupDiCreateDeviceInfoW(list.set, instanceId(interface).c_str(), &GUID_DEVCLASS_HIDCLASS,
                                nullptr, nullptr, 0, &device)) {
    if (GetLastError() == ERROR_DEVINST_ALREADY_EXISTS) {
      std::fprintf(stderr, "k8vmouse: collection %d is plugged already\n", role);
      return false;
    }
    return fail("creating the device", role);
  }
  // A multi-string: the id the INF names, the collection's own, then an empty string.
  std::wstring ids = hardwareId(interface);
  ids.push_back(L'\0');
  ids += roleId(role);
  ids.push_back(L'\0');
  ids.push_back(L'\0');
  if (!SetupDiSetDeviceRegistryPropertyW(list.set, &device, SPDRP_HARDWAREID,
                                         reinterpret_cast<const BYTE*>(ids.data()),
                                         static_cast<DWORD>(ids.size() * sizeof(wchar_t)))) {
    return fail("naming the device", role);
  }
  if (!SetupDiCallClassInstaller(DIF_REGISTERDEVICE, list.set, &device)) {
    return fail("registering the device", role);
  }
  BOOL reboot = FALSE;
  const auto inf = folder / L"k8vmouse.inf";
  if (!UpdateDriverForPlugAndPlayDevicesW(nullptr, hardwareId(interface).c_str(), inf.c_str(),
                                          INSTALLFLAG_FORCE, &reboot)) {
    const DWORD error = GetLastError();
    SetupDiCallClassInstaller(DIF_REMOVE, list.set, &device);  // no half-plugged device left
    SetLastError(error);
    return fail("installing the driver", role);
  }
  return true;
}

// A device is the collection's when it carries the collection's own id; one without any (plugged
// by an earlier k8vmouse) is the collection of its interface number.
bool ownedBy(std::wstring_view ids, int role, int interface) {
  if (ids.find(roleId(role) + L'\0') != std::wstring_view::npos) return true;
  return interface == role && ids.find(L"&ROLE_") == std::wstring_view::npos;
}

// The collection is found by its own id, whatever interface number it was plugged as.
bool unplug(int role, bool quiet) {
  InfoList list{SetupDiCreateDeviceInfoList(nullptr, nullptr)};
  if (list.set == INVALID_HANDLE_VALUE) return fail("the device list", role);
  for (int interface = 0; interface < VMOUSE_ROLE_COUNT; ++interface) {
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    wchar_t ids[256] = {};
    if (!SetupDiOpenDeviceInfoW(list.set, instanceId(interface).c_str(), nullptr, 0, &device) ||
        !SetupDiGetDeviceRegistryPropertyW(list.set, &device, SPDRP_HARDWAREID, nullptr,
                                           reinterpret_cast<BYTE*>(ids), sizeof ids - 4, nullptr) ||
        !ownedBy(std::wstring_view(ids, std::size(ids)), role, interface)) {
      continue;
    }
    if (!SetupDiCallClassInstaller(DIF_REMOVE, list.set, &device)) {
      return fail("removing the device", role);
    }
    return true;
  }
  if (!quiet) std::fprintf(stderr, "k8vmouse: collection %d is not plugged\n", role);
  return false;
}

}  // namespace k8vmouse
