#pragma once
// The HID backend of the real program: SetupDi enumeration, HidD/HidP queries and file handles
// with overlapped reads.

#include "device/hid_backend.h"

namespace k8 {

class Win32HidBackend : public HidBackend {
 public:
  std::vector<std::wstring> listInterfaces() override;
  std::unique_ptr<HidDevice> open(const std::wstring& path, bool withAccess) override;
};

}  // namespace k8
