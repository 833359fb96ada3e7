// The device link's Win32 edges: device-change broadcasts and the real HID backend.
#include <gtest/gtest.h>
// clang-format off
#include <windows.h>
#include <dbt.h>
// clang-format on

#include "device/device_broadcast_win32.h"
#include "device/device_link.h"
#include "device/hid_backend_win32.h"
#include "device/transfer_thread_win32.h"
#include "platform/handles_win32.h"

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

namespace {

HANDLE g_release = nullptr;  // set to let the stalled transfer return

bool echoPlusOne(HANDLE, HANDLE, std::uint8_t* data, std::size_t) {
  ++data[0];
  return true;
}
bool refuse(HANDLE, HANDLE, std::uint8_t* data, std::size_t) {
  data[0] = 0x55;  // what a failed transfer leaves must not reach the caller
  return false;
}
bool stall(HANDLE, HANDLE, std::uint8_t*, std::size_t) {
  return WaitForSingleObject(g_release, INFINITE) == WAIT_OBJECT_0;
}
bool overlappedRead(HANDLE file, HANDLE event, std::uint8_t* data, std::size_t length) {
  OVERLAPPED o{};
  o.hEvent = event;
  if (!ReadFile(file, data, static_cast<DWORD>(length), nullptr, &o) &&
      GetLastError() != ERROR_IO_PENDING) {
    return false;
  }
  DWORD done = 0;
  return GetOverlappedResult(file, &o, &done, TRUE) && done > 0;
}

}  // namespace

TEST(TransferThread, ATransferThatNeverEndsFailsAndOnlyThatDeviceStops) {
  g_release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  {
    TransferThread t(INVALID_HANDLE_VALUE, 50);
    std::uint8_t data[2] = {7, 0};
    EXPECT_TRUE(t.run(echoPlusOne, data, 2));
    EXPECT_EQ(data[0], 8);
    EXPECT_FALSE(t.run(refuse, data, 2));
    EXPECT_EQ(data[0], 8);
    EXPECT_FALSE(t.stuck());
    std::uint8_t tooLong[TransferThread::kMaxLength + 1] = {};
    EXPECT_FALSE(t.run(echoPlusOne, tooLong, sizeof tooLong));

    EXPECT_FALSE(t.run(stall, data, 2));
    EXPECT_TRUE(t.stuck());
    EXPECT_FALSE(t.run(echoPlusOne, data, 2));  // at once: the thread is still in the stall
    EXPECT_EQ(data[0], 8);
    // Leaving the scope must not wait for the stalled call.
  }
  SetEvent(g_release);
}

TEST(TransferThread, ARequestThatCanBeCancelledLeavesTheThreadFree) {
  const wchar_t* name = L"\\\\.\\pipe\\k8-transfer-thread-test";
  UniqueFile server(CreateNamedPipeW(name, PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED,
                                     PIPE_TYPE_BYTE, 1, 64, 64, 0, nullptr));
  ASSERT_TRUE(server);
  TransferThread t(CreateFileW(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                               FILE_FLAG_OVERLAPPED, nullptr),
                   50);
  ASSERT_NE(t.file(), INVALID_HANDLE_VALUE);
  std::uint8_t data[4] = {};
  EXPECT_FALSE(t.run(overlappedRead, data, sizeof data));  // nothing comes: cancelled
  EXPECT_FALSE(t.stuck());
  DWORD written = 0;
  OVERLAPPED o{};
  o.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  WriteFile(server.get(), "abcd", 4, nullptr, &o);
  GetOverlappedResult(server.get(), &o, &written, TRUE);
  CloseHandle(o.hEvent);
  EXPECT_TRUE(t.run(overlappedRead, data, sizeof data));
  EXPECT_EQ(data[3], 'd');
}
