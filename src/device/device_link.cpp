#include "device/device_link.h"

namespace k8 {

bool pathNamesTheMouse(std::wstring_view interfacePath) {
  return interfacePath.find(kMousePathFragment1) != std::wstring_view::npos ||
         interfacePath.find(kMousePathFragment2) != std::wstring_view::npos;
}

bool DeviceLink::inputOpen() const {
  std::lock_guard lock(mutex_);
  return input_ != nullptr;
}

void DeviceLink::closeLocked(std::unique_lock<std::mutex>& lock) {
  present_ = false;
  std::shared_ptr<HidDevice> input = std::move(input_);
  inputLength_ = 0;
  lock.unlock();
  // A read in progress returns at once; the reader drops its reference afterwards, and only
  // then is the handle really closed.
  if (input) input->cancelInput();
  feature_.reset();
  featureLengths_ = {};
  lock.lock();
}

void DeviceLink::close() {
  std::unique_lock lock(mutex_);
  closeLocked(lock);
  changed_.notify_all();
}

bool DeviceLink::discover() {
  if (discovering_) return false;
  discovering_ = true;
  (void)backend_.takeProblems();  // anything reported outside a discovery is not ours to show
  const bool found = openCollections();
  problems_ = backend_.takeProblems();
  discovering_ = false;
  return found;
}

bool DeviceLink::openCollections() {
  {
    std::unique_lock lock(mutex_);
    closeLocked(lock);
  }
  std::unique_ptr<HidDevice> feature;
  ReportLengths featureLengths;
  std::unique_ptr<HidDevice> input;
  std::size_t inputLength = 0;

  for (const std::wstring& path : backend_.listInterfaces()) {
    if (feature && input) break;
    lastPath_ = path;
    const auto probe = backend_.open(path, false);
    if (!probe) continue;  // someone else's device: look further
    const HidAttributes attributes = probe->attributes();
    if (attributes.vendorId != kMouseVendorId || attributes.productId != kMouseProductId) continue;
    const HidCaps caps = probe->caps();
    if (!input && caps.usagePage == kInputUsagePage && caps.usage == kInputUsage &&
        caps.inputReportByteLength != 0) {
      input = backend_.open(path, true);
      if (input) inputLength = caps.inputReportByteLength;
    } else if (!feature && caps.usagePage == kFeatureUsagePage && caps.usage == kFeatureUsage &&
               caps.featureReportByteLength != 0) {
      feature = backend_.open(path, true);
      if (feature) {
        featureLengths = {caps.featureReportByteLength, caps.inputReportByteLength,
                          caps.outputReportByteLength};
      }
    }
  }

  std::lock_guard lock(mutex_);
  if (!feature) {
    // Without the feature collection the mouse cannot be used; its input reports would only
    // announce changes the program cannot follow.
    return false;
  }
  feature_ = std::move(feature);
  featureLengths_ = featureLengths;
  input_ = std::shared_ptr<HidDevice>(std::move(input));
  inputLength_ = input_ ? inputLength : 0;
  ++connection_;
  present_ = true;  // set before the reader is woken, so it sees the new connection
  changed_.notify_all();
  return true;
}

std::optional<DeviceLink::InputConnection> DeviceLink::waitForInput(unsigned minConnection) {
  std::unique_lock lock(mutex_);
  changed_.wait(
      lock, [&] { return interrupted_ || (present_ && input_ && connection_ >= minConnection); });
  if (interrupted_) return std::nullopt;
  return InputConnection{input_, inputLength_, connection_};
}

void DeviceLink::interruptReader() {
  std::shared_ptr<HidDevice> input;
  {
    std::lock_guard lock(mutex_);
    interrupted_ = true;
    input = input_;
    changed_.notify_all();
  }
  if (input) input->cancelInput();
}

}  // namespace k8
