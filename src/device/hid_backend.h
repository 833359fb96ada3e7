#pragma once
// The few HID operations the device link needs. The Windows program implements them with
// SetupDi/HidD/HidP and file handles; SimulatedMouse implements them in memory.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace k8 {

inline constexpr std::uint16_t kMouseVendorId = 0x04D9;
inline constexpr std::uint16_t kMouseProductId = 0xA09F;
inline constexpr std::uint16_t kFeatureUsagePage = 0xFF00;
inline constexpr std::uint16_t kFeatureUsage = 0xFF00;
inline constexpr std::uint16_t kInputUsagePage = 0xFF01;
inline constexpr std::uint16_t kInputUsage = 0xFF01;

struct HidAttributes {
  std::uint16_t vendorId = 0;
  std::uint16_t productId = 0;
};

// Report lengths include the report id byte, as the HID class driver states them.
struct HidCaps {
  std::uint16_t usagePage = 0;
  std::uint16_t usage = 0;
  std::uint16_t inputReportByteLength = 0;
  std::uint16_t outputReportByteLength = 0;
  std::uint16_t featureReportByteLength = 0;
};

enum class InputReadResult {
  Data,       // a report arrived; `received` bytes are in the buffer
  Cancelled,  // cancelInput() was called
  Failed,     // the device went away or the read failed
};

// One open HID interface (one top-level collection).
class HidDevice {
 public:
  virtual ~HidDevice() = default;
  virtual HidAttributes attributes() = 0;
  virtual HidCaps caps() = 0;
  // Synchronous transfers on the collection; false when the transfer failed.
  virtual bool setFeature(const std::uint8_t* report, std::size_t length) = 0;
  virtual bool getFeature(std::uint8_t* report, std::size_t length) = 0;
  virtual bool writeReport(const std::uint8_t* report, std::size_t length) = 0;
  virtual bool readReport(std::uint8_t* report, std::size_t length) = 0;
  // Drops input reports (of `reportLength` bytes) the system has queued and nobody read: the
  // data reports of a block read whose reply was lost would otherwise be taken for the next
  // block read's. With `late`, also those still on their way from the device.
  virtual void discardQueuedInput(std::size_t /*reportLength*/, bool /*late*/) {}
  // Blocks (without polling) until an input report arrives, the read fails or cancelInput()
  // is called from another thread. Used only by the reader thread.
  virtual InputReadResult readInput(std::uint8_t* report, std::size_t length,
                                    std::size_t& received) = 0;
  virtual void cancelInput() = 0;
};

class HidBackend {
 public:
  virtual ~HidBackend() = default;
  // Device interface paths of the HID class, in enumeration order.
  virtual std::vector<std::wstring> listInterfaces() = 0;
  // Opens an interface; withAccess = false asks for no read/write access (enough for
  // attributes and caps). nullptr when the interface cannot be opened.
  virtual std::unique_ptr<HidDevice> open(const std::wstring& path, bool withAccess) = 0;

  // Failures the user should hear of (text only), gathered while the backend works. They are
  // handed back as values and shown after discovery: a message box inside the enumeration
  // would run a message loop, and with it perhaps a second discovery, in the middle of the
  // first.
  void reportProblem(std::wstring text) { problems_.push_back(std::move(text)); }
  std::vector<std::wstring> takeProblems() { return std::exchange(problems_, {}); }

 private:
  std::vector<std::wstring> problems_;
};

}  // namespace k8
