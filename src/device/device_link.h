#pragma once
// The connection to the mouse: its feature collection (every command) and its input collection
// (the reports of the mouse's own buttons), found over the HID backend seam.
//
// The UI thread discovers and closes; the reader thread takes the input collection through
// waitForInput(). Everything the two share is guarded by one mutex, and the reader holds the
// input device by shared pointer, so a discovery never closes a handle under a running read.

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "device/hid_backend.h"
#include "device/transport.h"

namespace k8 {

// The two fragments a device-interface name of the mouse carries (compared case-sensitively).
inline constexpr std::wstring_view kMousePathFragment1 = L"Vid_04d9&Pid_a09f";
inline constexpr std::wstring_view kMousePathFragment2 = L"VID_04D9&PID_A09F";

bool pathNamesTheMouse(std::wstring_view interfacePath);

class DeviceLink {
 public:
  explicit DeviceLink(HidBackend& backend) : backend_(backend) {}

  // Closes the previous connection, then examines the interfaces in enumeration order until
  // both of the mouse's collections are open or the list ends. Interfaces that cannot be
  // opened at all (another program's devices) are skipped. True when the feature collection
  // is open; the mouse-present flag follows the result. A discovery started while one runs
  // (from a message loop the backend might run) is refused and returns false.
  bool discover();
  // What the backend had to report during the last discovery, for the caller to show once
  // discovery is over.
  std::vector<std::wstring> takeProblems() { return std::exchange(problems_, {}); }
  // Closes both collections and clears the mouse-present flag.
  void close();

  bool mousePresent() const { return present_.load(); }

  // UI thread: the feature collection (null when absent) and its report lengths.
  HidDevice* feature() const { return feature_.get(); }
  ReportLengths featureLengths() const { return featureLengths_; }
  bool inputOpen() const;
  // Path of the interface examined last.
  const std::wstring& lastPath() const { return lastPath_; }

  // Reader side. Blocks until the mouse is present with an open input collection whose
  // connection number is at least `minConnection`, or until interruptReader().
  struct InputConnection {
    std::shared_ptr<HidDevice> device;
    std::size_t reportLength = 0;
    unsigned connection = 0;
  };
  std::optional<InputConnection> waitForInput(unsigned minConnection);
  // Wakes a waiting or reading reader for good (tests and orderly shutdown).
  void interruptReader();

 private:
  void closeLocked(std::unique_lock<std::mutex>& lock);
  bool openCollections();

  HidBackend& backend_;
  std::unique_ptr<HidDevice> feature_;  // UI thread only
  ReportLengths featureLengths_;
  std::wstring lastPath_;
  std::vector<std::wstring> problems_;
  bool discovering_ = false;  // UI thread only
  std::atomic<bool> present_{false};

  mutable std::mutex mutex_;  // guards what the reader sees
  std::condition_variable changed_;
  std::shared_ptr<HidDevice> input_;
  std::size_t inputLength_ = 0;
  unsigned connection_ = 0;  // counts successful discoveries
  bool interrupted_ = false;
};

}  // namespace k8
