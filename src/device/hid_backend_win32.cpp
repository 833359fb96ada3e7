#include "device/hid_backend_win32.h"

// clang-format off
#include <windows.h>
#include <setupapi.h>
extern "C" {  // these two headers carry no C++ linkage guards
#include <hidsdi.h>
#include <hidpi.h>
}
// clang-format on

#include <vector>

#include "platform/handles_win32.h"
#include "platform/system_library_win32.h"

namespace k8 {

namespace {

class Win32HidDevice : public HidDevice {
 public:
  Win32HidDevice(HANDLE file, HidBackend& backend)
      : file_(file),
        readEvent_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
        ioEvent_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
        cancelEvent_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
        backend_(backend) {}

  // Without its events a device can neither wait for a transfer nor be woken: every transfer
  // fails, and the reader then sleeps until the next connection instead of spinning.
  bool usable() const { return readEvent_ && ioEvent_ && cancelEvent_; }

  HidAttributes attributes() override {
    HIDD_ATTRIBUTES a{};
    a.Size = sizeof a;
    if (!K8_SYSTEM_CALL(L"hid.dll", HidD_GetAttributes, FALSE, file_.get(), &a)) return {};
    return {a.VendorID, a.ProductID};
  }

  HidCaps caps() override {
    PHIDP_PREPARSED_DATA data = nullptr;
    if (!K8_SYSTEM_CALL(L"hid.dll", HidD_GetPreparsedData, FALSE, file_.get(), &data)) {
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
    std::vector<std::uint8_t> copy(report, report + length);
    return K8_SYSTEM_CALL(L"hid.dll", HidD_SetFeature, FALSE, file_.get(), copy.data(),
                          static_cast<ULONG>(length)) != FALSE;
  }

  bool getFeature(std::uint8_t* report, std::size_t length) override {
    const std::uint8_t id = length ? report[0] : 0;
    std::fill(report, report + length, std::uint8_t{0});
    if (length) report[0] = id;
    if (K8_SYSTEM_CALL(L"hid.dll", HidD_GetFeature, FALSE, file_.get(), report,
                       static_cast<ULONG>(length)))
      return true;
    std::fill(report, report + length, std::uint8_t{0});
    return false;
  }

  bool writeReport(const std::uint8_t* report, std::size_t length) override {
    if (!usable()) return false;
    OVERLAPPED o{};
    o.hEvent = ioEvent_.get();
    ResetEvent(o.hEvent);
    DWORD done = 0;
    if (!WriteFile(file_.get(), report, static_cast<DWORD>(length), nullptr, &o) &&
        GetLastError() != ERROR_IO_PENDING) {
      return false;
    }
    return GetOverlappedResult(file_.get(), &o, &done, TRUE) && done == length;
  }

  bool readReport(std::uint8_t* report, std::size_t length) override {
    std::fill(report, report + length, std::uint8_t{0});
    if (!usable()) return false;
    OVERLAPPED o{};
    o.hEvent = ioEvent_.get();
    ResetEvent(o.hEvent);
    DWORD done = 0;
    if (!ReadFile(file_.get(), report, static_cast<DWORD>(length), nullptr, &o) &&
        GetLastError() != ERROR_IO_PENDING) {
      return false;
    }
    return GetOverlappedResult(file_.get(), &o, &done, TRUE) && done > 0;
  }

  // The reader's overlapped read: it sleeps on the read's event and the cancel event together.
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
    if (!ReadFile(file_.get(), report, static_cast<DWORD>(length), nullptr, &o) &&
        GetLastError() != ERROR_IO_PENDING) {
      return InputReadResult::Failed;
    }
    const HANDLE waits[2] = {readEvent_.get(), cancelEvent_.get()};
    const DWORD which = WaitForMultipleObjects(2, waits, FALSE, INFINITE);
    DWORD done = 0;
    if (which != WAIT_OBJECT_0) {
      // Take the read back before the buffer goes out of reach.
      CancelIoEx(file_.get(), &o);
      GetOverlappedResult(file_.get(), &o, &done, TRUE);
      // Only the cancel event means "ask the link again"; a failed wait would fail again at
      // once, so the reader treats it as a lost collection and sleeps until the next connection.
      return which == WAIT_OBJECT_0 + 1 ? InputReadResult::Cancelled : InputReadResult::Failed;
    }
    // A read that completes with nothing is no report; left as data it would spin the reader.
    if (!GetOverlappedResult(file_.get(), &o, &done, TRUE) || done == 0) {
      return InputReadResult::Failed;
    }
    received = done;
    return InputReadResult::Data;
  }

  // Once cancelled, a device stays cancelled: the link drops it right after.
  void cancelInput() override { SetEvent(cancelEvent_.get()); }

 private:
  UniqueFile file_;
  UniqueKernelHandle readEvent_;
  UniqueKernelHandle ioEvent_;
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
  GUID hidClass;
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
