#include "device/device_broadcast_win32.h"

// clang-format off
#include <windows.h>
#include <dbt.h>  // needs windows.h first
// clang-format on

#include <algorithm>
#include <cstddef>
#include <vector>

namespace k8 {

std::optional<DeviceBroadcast> readDeviceBroadcast(WPARAM event, LPARAM broadcast) {
  if (event != DBT_DEVICEARRIVAL && event != DBT_DEVICEREMOVECOMPLETE) return std::nullopt;
  const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(broadcast);
  constexpr std::size_t nameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
  if (header == nullptr || header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE ||
      header->dbch_size < nameOffset) {
    return std::nullopt;
  }
  const auto* name =
      reinterpret_cast<const wchar_t*>(reinterpret_cast<const std::uint8_t*>(header) + nameOffset);
  const std::size_t maxChars = (header->dbch_size - nameOffset) / sizeof(wchar_t);
  const std::size_t length = std::find(name, name + maxChars, L'\0') - name;
  return DeviceBroadcast{
      event == DBT_DEVICEARRIVAL ? DeviceEvent::Arrival : DeviceEvent::RemoveComplete,
      std::wstring(name, length)};
}

std::vector<std::uint8_t> makeDeviceBroadcast(const std::wstring& interfacePath) {
  const std::size_t bytes = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name) +
                            (interfacePath.size() + 1) * sizeof(wchar_t);
  std::vector<std::uint8_t> buffer(std::max(bytes, sizeof(DEV_BROADCAST_DEVICEINTERFACE_W)), 0);
  auto* b = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(buffer.data());
  b->dbcc_size = static_cast<DWORD>(bytes);
  b->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
  std::copy(interfacePath.begin(), interfacePath.end(), b->dbcc_name);
  return buffer;
}

}  // namespace k8
