#pragma once
// The HID backend of the real program: SetupDi enumeration, HidD/HidP queries and file handles
// with overlapped reads.

#include <functional>
#include <string>

#include "device/hid_backend.h"

namespace k8 {

class Win32HidBackend : public HidBackend {
 public:
  // Shows the failures the user must hear of (text only; the caller adds its caption).
  using MessageFn = std::function<void(const std::wstring& text)>;
  explicit Win32HidBackend(MessageFn message) : message_(std::move(message)) {}

  std::vector<std::wstring> listInterfaces() override;
  std::unique_ptr<HidDevice> open(const std::wstring& path, bool withAccess) override;

 private:
  MessageFn message_;
};

}  // namespace k8
