// The device link's Win32 edges: device-change broadcasts and the real HID backend.
#include <gtest/gtest.h>
// clang-format off
#include <windows.h>
#include <dbt.h>
// clang-format on

#include "device/device_broadcast_win32.h"
#include "device/device_link.h"
#include "device/hid_backend_win32.h"

using namespace k8;

namespace {

const std::wstring kPath = L"\\\\?\\HID#VID_04D9&PID_A09F&MI_01&Col01#7&3a9e21d&0&0000#{x}";

TEST(DeviceBroadcast, ArrivalAndRemovalOfInterfacesOnly) {
  auto message = makeDeviceBroadcast(kPath);
  const auto lp = reinterpret_cast<LPARAM>(message.data());
  auto b = readDeviceBroadcast(DBT_DEVICEARRIVAL, lp);
  ASSERT_TRUE(b);
  EXPECT_EQ(b->event, DeviceEvent::Arrival);
  EXPECT_EQ(b->interfacePath, kPath);
  EXPECT_EQ(readDeviceBroadcast(DBT_DEVICEREMOVECOMPLETE, lp)->event, DeviceEvent::RemoveComplete);
  for (WPARAM other : {WPARAM{DBT_DEVNODES_CHANGED}, WPARAM{DBT_DEVICEQUERYREMOVE},
                       WPARAM{DBT_DEVICEREMOVEPENDING}}) {
    EXPECT_FALSE(readDeviceBroadcast(other, lp));
  }
  EXPECT_FALSE(readDeviceBroadcast(DBT_DEVICEARRIVAL, 0));
  reinterpret_cast<DEV_BROADCAST_HDR*>(message.data())->dbch_devicetype = DBT_DEVTYP_VOLUME;
  EXPECT_FALSE(readDeviceBroadcast(DBT_DEVICEARRIVAL, lp));
}

TEST(DeviceBroadcast, NameIsReadOnlyWithinTheStatedSize) {
  auto message = makeDeviceBroadcast(kPath);
  auto* header = reinterpret_cast<DEV_BROADCAST_HDR*>(message.data());
  const auto lp = reinterpret_cast<LPARAM>(message.data());
  const DWORD nameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
  // No terminator within the size: the name stops at the size.
  header->dbch_size = nameOffset + 5 * sizeof(wchar_t);
  EXPECT_EQ(readDeviceBroadcast(DBT_DEVICEARRIVAL, lp)->interfacePath, kPath.substr(0, 5));
  header->dbch_size = nameOffset;
  EXPECT_EQ(readDeviceBroadcast(DBT_DEVICEARRIVAL, lp)->interfacePath, L"");
  header->dbch_size = sizeof(DEV_BROADCAST_HDR);  // too short to carry a name at all
  EXPECT_FALSE(readDeviceBroadcast(DBT_DEVICEARRIVAL, lp));
}

TEST(Win32HidBackend, EnumeratesAndOpensNoBogusPathWithoutComplaint) {
  Win32HidBackend backend;
  EXPECT_EQ(backend.open(L"\\\\?\\HID#VID_0000&PID_0000#nothing", false), nullptr);
  EXPECT_EQ(backend.open(L"\\\\?\\HID#VID_0000&PID_0000#nothing", true), nullptr);
  DeviceLink link(backend);
  // The test machine has no such mouse: discovery walks whatever is plugged in quietly and
  // leaves the link without a connection.
  EXPECT_FALSE(link.discover());
  EXPECT_EQ(link.feature(), nullptr);
  EXPECT_FALSE(link.mousePresent());
  EXPECT_TRUE(link.takeProblems().empty());
}

}  // namespace
