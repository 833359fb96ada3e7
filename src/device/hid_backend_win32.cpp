#include "device/hid_backend_win32.h"

// clang-format off
#include <windows.h>
#include <setupapi.h>
extern "C" {  // these two headers carry no C++ linkage guards
#include <hidsdi.h>
#include <hidpi.h>
}
// clang-format on

#include <algorithm>
#include <vector>

#include "device/transfer_thread_win32.h"
#include "device/transport.h"
#include "platform/handles_win32.h"
#include "platform/system_library_win32.h"

namespace k8 {

namespace {

// Transfers on the feature collection, each run on the device's transfer thread.
bool setFeatureOn(HANDLE file, HANDLE, std::uint8_t* data, std::size_t length) {
  return K8_SYSTEM_CALL(L"hid.dll", HidD_SetFeature, FALSE, file, data,
                        static_cast<ULONG>(length)) != FALSE;
}

bool getFeatureOn(HANDLE file, HANDLE, std::uint8_t* data, std::size_t length) {
  return K8_SYSTEM_CALL(L"hid.dll", HidD_GetFeature, FALSE, file, data,
                        static_cast<ULONG>(length)) != FALSE;
}

// Reads and drops input reports until a read has waited `waitMs` for one, then takes that read
// back (a pending read can be cancelled).
bool dropInputReports(HANDLE file, HANDLE event, std::uint8_t* data, std::size_t length,
                      DWORD waitMs) {
  constexpr int kMostQueued = 64;  // more than the system queues for a collection by default
  for (int i = 0; i < kMostQueued; ++i) {
    OVERLAPPED o{};
    o.hEvent = event;
    ResetEvent(event);
    DWORD done = 0;
    if (ReadFile(file, data, static_cast<DWORD>(length), nullptr, &o)) continue;
    if (GetLastError() != ERROR_IO_PENDING) return false;
    if (WaitForSingleObject(event, waitMs) != WAIT_OBJECT_0) {
      CancelIoEx(file, &o);
      GetOverlappedResult(file, &o, &done, TRUE);
      return true;
    }
    if (!GetOverlappedResult(file, &o, &done, FALSE)) return false;
  }
  return false;
}

// What the system has queued. The HID class's own flush is tried first; Wine 8 does not have it.
bool flushQueueOn(HANDLE file, HANDLE event, std::uint8_t* data, std::size_t length) {
  return K8_SYSTEM_CALL(L"hid.dll", HidD_FlushQueue, FALSE, file) ||
         dropInputReports(file, event, data, length, 0);
}

// Also the reports still on their way: a device sends its data reports within a few 1 ms USB
// frames of its reply.
bool flushLateReportsOn(HANDLE file, HANDLE event, std::uint8_t* data, std::size_t length) {
  constexpr DWORD kLateReportMs = 20;
  return dropInputReports(file, event, data, length, kLateReportMs);
}

bool overlappedTransfer(bool write, HANDLE file, HANDLE event, std::uint8_t* data,
                        std::size_t length) {
  OVERLAPPED o{};
  o.hEvent = event;
  ResetEvent(event);
  const auto size = static_cast<DWORD>(length);
  const BOOL started =
      write ? WriteFile(file, data, size, nullptr, &o) : ReadFile(file, data, size, nullptr, &o);
  if (!started && GetLastError() != ERROR_IO_PENDING) return false;
  DWORD done = 0;
  if (!GetOverlappedResult(file, &o, &done, TRUE)) return false;
  // A report goes whole or not at all; the count a write states is the driver's (Wine states
  // the report without its id byte), so only a read's count means anything.
  return write || done > 0;
}

bool writeOn(HANDLE file, HANDLE event, std::uint8_t* data, std::size_t length) {
  return overlappedTransfer(true, file, event, data, length);
}

bool readOn(HANDLE file, HANDLE event, std::uint8_t* data, std::size_t length) {
  return overlappedTransfer(false, file, event, data, length);
}

class Win32HidDevice : public HidDevice {
 public:
  Win32HidDevice(HANDLE file, HidBackend& backend)
      : transfers_(file, kTransferTimeLimitMs),
        readEvent_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
        cancelEvent_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
        backend_(backend) {}

  // Without its events the reader can neither wait for a report nor be woken: every read
  // fails, and the reader then sleeps until the next connection instead of spinning.
  bool usable() const { return readEvent_ && cancelEvent_; }

  HidAttributes attributes() override {
    HIDD_ATTRIBUTES a{};
    a.Size = sizeof a;
    if (!K8_SYSTEM_CALL(L"hid.dll", HidD_GetAttributes, FALSE, file(), &a)) return {};
    return {a.VendorID, a.ProductID};
  }

  HidCaps caps() override {
    PHIDP_PREPARSED_DATA data = nullptr;
    if (!K8_SYSTEM_CALL(L"hid.dll", HidD_GetPreparsedData, FALSE, file(), &data)) {
      backend_.reportProblem(L"HidD_GetPreparsedData failed.\n");
      return {};
    }
    HIDP_CAPS c{};
    const NTSTATUS status =
        K8_SYSTEM_CALL(L"hid.dll", HidP_GetCaps, HIDP_STATUS_INVALID_PREPARSED_DATA, data, &c);
    K8_SYSTEM_CALL(L"hid.dll", HidD_FreePreparsedData, FALSE, data);
    if (status == HIDP_STATUS_INVALID_PREPARSED_DATA) {
      backend_.reportProblem(L"HidP_GetCaps failed.");
      return {};
    }
    return {c.UsagePage, c.Usage, c.InputReportByteLength, c.OutputReportByteLength,
            c.FeatureReportByteLength};
  }

  bool setFeature(const std::uint8_t* report, std::size_t length) override {
    return runOnCopy(setFeatureOn, report, length);
  }

  bool getFeature(std::uint8_t* report, std::size_t length) override {
    return zeroedUnlessRun(getFeatureOn, report, length, true);
  }

  bool writeReport(const std::uint8_t* report, std::size_t length) override {
    return runOnCopy(writeOn, report, length);
  }

  bool readReport(std::uint8_t* report, std::size_t length) override {
    return zeroedUnlessRun(readOn, report, length, false);
  }

  void discardQueuedInput(std::size_t reportLength, bool late) override {
    std::uint8_t scratch[TransferThread::kMaxLength] = {};
    transfers_.run(late ? flushLateReportsOn : flushQueueOn, scratch,
                   std::min(reportLength, sizeof scratch));
  }

  // The reader's overlapped read: it sleeps on the read's event and the cancel event together.
  // It needs no time limit: nothing waits for it, and the cancel event always ends it.
  InputReadResult readInput(std::uint8_t* report, std::size_t length,
                            std::size_t& received) override {
    received = 0;
    if (!usable()) return InputReadResult::Failed;
    switch (WaitForSingleObject(cancelEvent_.get(), 0)) {
      case WAIT_OBJECT_0: return InputReadResult::Cancelled;
      case WAIT_TIMEOUT: break;
      default: return InputReadResult::Failed;  // a wait that fails would fail again at once
    }
    OVERLAPPED o{};
    o.hEvent = readEvent_.get();
    ResetEvent(o.hEvent);
    if (!ReadFile(file(), report, static_cast<DWORD>(length), nullptr, &o) &&
        GetLastError() != ERROR_IO_PENDING) {
      return InputReadResult::Failed;
    }
    const HANDLE waits[2] = {readEvent_.get(), cancelEvent_.get()};
    const DWORD which = WaitForMultipleObjects(2, waits, FALSE, INFINITE);
    DWORD done = 0;
    if (which != WAIT_OBJECT_0) {
      // Take the read back before the buffer goes out of reach.
      CancelIoEx(file(), &o);
      GetOverlappedResult(file(), &o, &done, TRUE);
      // Only the cancel event means "ask the link again"; a failed wait would fail again at
      // once, so the reader treats it as a lost collection and sleeps until the next connection.
      return which == WAIT_OBJECT_0 + 1 ? InputReadResult::Cancelled : InputReadResult::Failed;
    }
    // A read that completes with nothing is no report; left as data it would spin the reader.
    if (!GetOverlappedResult(file(), &o, &done, TRUE) || done == 0) {
      return InputReadResult::Failed;
    }
    received = done;
    return InputReadResult::Data;
  }

  // Once cancelled, a device stays cancelled: the link drops it right after.
  void cancelInput() override { SetEvent(cancelEvent_.get()); }

 private:
  HANDLE file() const { return transfers_.file(); }

  // The transfer thread takes a buffer it may write to; the caller's report is read-only.
  bool runOnCopy(TransferFn fn, const std::uint8_t* report, std::size_t length) {
    std::uint8_t copy[TransferThread::kMaxLength];
    if (length > sizeof copy) return false;
    std::copy_n(report, length, copy);
    return transfers_.run(fn, copy, length);
  }

  // A read into `report`: all zeros unless it succeeded; a feature read keeps its report id.
  bool zeroedUnlessRun(TransferFn fn, std::uint8_t* report, std::size_t length, bool keepId) {
    const std::uint8_t id = keepId && length ? report[0] : 0;
    std::fill(report, report + length, std::uint8_t{0});
    if (length) report[0] = id;
    if (length <= TransferThread::kMaxLength && transfers_.run(fn, report, length)) return true;
    std::fill(report, report + length, std::uint8_t{0});
    return false;
  }

  TransferThread transfers_;
  UniqueKernelHandle readEvent_;
  UniqueKernelHandle cancelEvent_;
  HidBackend& backend_;
};

struct DeviceList {
  HDEVINFO info;
  ~DeviceList() {
    if (info != INVALID_HANDLE_VALUE)
      K8_SYSTEM_CALL(L"setupapi.dll", SetupDiDestroyDeviceInfoList, FALSE, info);
  }
};

}  // namespace

std::vector<std::wstring> Win32HidBackend::listInterfaces() {
  GUID hidClass{};
  K8_SYSTEM_CALL(L"hid.dll", HidD_GetHidGuid, 0, &hidClass);
  std::vector<std::wstring> paths;
  DeviceList list{K8_SYSTEM_CALL(L"setupapi.dll", SetupDiGetClassDevsW, INVALID_HANDLE_VALUE,
                                 &hidClass, nullptr, nullptr,
                                 DIGCF_PRESENT | DIGCF_DEVICEINTERFACE)};
  if (list.info == INVALID_HANDLE_VALUE) return paths;
  for (DWORD index = 0;; ++index) {
    SP_DEVICE_INTERFACE_DATA data{};
    data.cbSize = sizeof data;
    if (!K8_SYSTEM_CALL(L"setupapi.dll", SetupDiEnumDeviceInterfaces, FALSE, list.info, nullptr,
                        &hidClass, index, &data))
      break;
    DWORD required = 0;
    K8_SYSTEM_CALL(L"setupapi.dll", SetupDiGetDeviceInterfaceDetailW, FALSE, list.info, &data,
                   nullptr, 0, &required, nullptr);
    std::vector<std::uint8_t> buffer(
        std::max<DWORD>(required, sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)));
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
    if (!K8_SYSTEM_CALL(L"setupapi.dll", SetupDiGetDeviceInterfaceDetailW, FALSE, list.info, &data,
                        detail, static_cast<DWORD>(buffer.size()), nullptr, nullptr)) {
      reportProblem(L"SetupDiGetDeviceInterfaceDetail failed.\n");
      break;
    }
    paths.emplace_back(detail->DevicePath);
  }
  return paths;
}

std::unique_ptr<HidDevice> Win32HidBackend::open(const std::wstring& path, bool withAccess) {
  constexpr DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
  HANDLE file = INVALID_HANDLE_VALUE;
  if (!withAccess) {
    file = CreateFileW(path.c_str(), 0, share, nullptr, OPEN_EXISTING, 0, nullptr);
  } else {
    constexpr DWORD flags = FILE_FLAG_OVERLAPPED | FILE_ATTRIBUTE_NORMAL;
    file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr, OPEN_EXISTING,
                       flags, nullptr);
    // An input-only collection may refuse write access.
    if (file == INVALID_HANDLE_VALUE) {
      file = CreateFileW(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, flags, nullptr);
    }
  }
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<Win32HidDevice>(file, *this);
}

}  // namespace k8
