#include "device/simulated_mouse.h"

#include <algorithm>
#include <cstring>

namespace k8 {

const std::wstring SimulatedMouse::kMousePath =
    L"\\\\?\\HID#VID_04D9&PID_A09F&MI_00#7&2b1f0c1&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";
const std::wstring SimulatedMouse::kFeaturePath =
    L"\\\\?\\HID#VID_04D9&PID_A09F&MI_01&Col01#7&3a9e21d&0&0000#{4d1e55b2-f16f-11cf-88cb-"
    L"001111000030}";
const std::wstring SimulatedMouse::kInputPath =
    L"\\\\?\\HID#VID_04D9&PID_A09F&MI_01&Col02#7&3a9e21d&0&0001#{4d1e55b2-f16f-11cf-88cb-"
    L"001111000030}";
const std::wstring SimulatedMouse::kOtherDevicePath =
    L"\\\\?\\HID#VID_046D&PID_C31C&MI_00#7&1c0ffee&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";

std::string hexBytes(const std::uint8_t* data, std::size_t length) {
  static const char kDigits[] = "0123456789abcdef";
  std::string out;
  out.reserve(length * 3);
  for (std::size_t i = 0; i < length; ++i) {
    if (i) out += ' ';
    out += kDigits[data[i] >> 4];
    out += kDigits[data[i] & 0x0F];
  }
  return out;
}

FirmwareState FirmwareState::factory(std::uint8_t sensorType) {
  FirmwareState s;
  s.sensorSettings[0] = sensorType;
  for (std::size_t i = 0; i < 24; ++i) s.colourBlocks[0][i] = static_cast<std::uint8_t>(0x40 + i);
  return s;
}

namespace {

enum class Collection { Mouse, Feature, Input, Other };

// A write command waiting for its data reports.
struct PendingWrite {
  std::uint8_t code = 0;
  std::uint8_t number = 0;
  std::size_t expected = 0;  // data reports still to come
  std::vector<std::uint8_t> payload;
};

}  // namespace

struct SimulatedMouse::Impl {
  mutable std::mutex mutex;
  std::condition_variable inputArrived;
  FirmwareState fw;
  bool plugged = true;
  unsigned generation = 0;  // bumped on unplug: older handles stay dead
  std::array<std::uint8_t, 8> reply{};
  bool replyPending = false;
  std::deque<std::array<std::uint8_t, 33>> dataOut;  // data reports for the next reads
  PendingWrite pendingWrite;
  std::deque<std::vector<std::uint8_t>> inputQueue;
  std::vector<std::string> log;
  LogSink sink;

  void logLine(std::string line) {
    if (sink) {
      sink(line);
    } else {
      log.push_back(std::move(line));
    }
  }

  void command(const std::uint8_t* block);
  void storeWrite();
};

void SimulatedMouse::Impl::command(const std::uint8_t* b) {
  unsigned sum = 0;
  for (int i = 0; i < 8; ++i) sum += b[i];
  if ((sum & 0xFF) != 0xFF) {
    ++fw.badChecksums;
    return;
  }
  std::array<std::uint8_t, 8> r{};
  r[0] = b[0];
  auto respond = [&] {
    unsigned s = 0;
    for (int i = 0; i < 7; ++i) s += r[i];
    r[7] = static_cast<std::uint8_t>(0xFF - (s & 0xFF));
    reply = r;
    replyPending = true;
  };
  auto queueData = [&](const std::uint8_t* data, std::size_t length) {
    for (std::size_t off = 0; off < length; off += 32) {
      std::array<std::uint8_t, 33> report{};
      std::memcpy(report.data() + 1, data + off, std::min<std::size_t>(32, length - off));
      dataOut.push_back(report);
    }
  };
  auto expectWrite = [&](std::size_t length) {
    pendingWrite = PendingWrite{b[0], b[1], (length + 31) / 32, {}};
    if (pendingWrite.expected == 0) storeWrite();
  };

  switch (b[0]) {
    case cmd::kSetReportRate: fw.reportRate = b[1]; break;
    case cmd::kWriteSensorSettings: std::copy_n(b + 1, 4, fw.sensorSettings.begin()); break;
    case cmd::kReadSensorSettings:
      std::copy(fw.sensorSettings.begin(), fw.sensorSettings.end(), r.begin() + 1);
      respond();
      break;
    case cmd::kWriteLightParameters:
      if (b[1] < 2) std::copy_n(b + 2, 3, fw.lightParameters[b[1]].begin());
      break;
    case cmd::kReadLightParameters:
      r[1] = b[1];
      if (b[1] < 2) std::copy_n(fw.lightParameters[b[1]].begin(), 3, r.begin() + 2);
      respond();
      break;
    case cmd::kWriteLightEffect: std::copy_n(b + 1, 3, fw.lightEffect.begin()); break;
    case cmd::kReadLightEffect:
      std::copy(fw.lightEffect.begin(), fw.lightEffect.end(), r.begin() + 1);
      respond();
      break;
    case cmd::kReadColourBlock:
      r[1] = b[1];
      if (b[1] < 2) {
        r[2] = 24;
        queueData(fw.colourBlocks[b[1]].data(), 24);
      }
      respond();
      break;
    case cmd::kReadMacro:
      r[1] = b[1];
      if (b[1] >= 1 && b[1] <= kMacroCount) {
        r[2] = kMacroImageSize;
        queueData(fw.macros[b[1] - 1].data(), kMacroImageSize);
      }
      respond();
      break;
    case cmd::kWriteColourBlock:
    case cmd::kWriteDpiStages:
    case cmd::kWriteKeyMatrix:
    case cmd::kWriteMacro: expectWrite(b[2]); break;
    default: break;
  }
}

void SimulatedMouse::Impl::storeWrite() {
  const auto& w = pendingWrite;
  auto copyTo = [&w](std::uint8_t* target, std::size_t size) {
    std::memcpy(target, w.payload.data(), std::min(size, w.payload.size()));
  };
  switch (w.code) {
    case cmd::kWriteColourBlock:
      if (w.number < 2) copyTo(fw.colourBlocks[w.number].data(), 24);
      break;
    case cmd::kWriteDpiStages: copyTo(fw.dpiStageTable.data(), 8); break;
    case cmd::kWriteKeyMatrix:
      if (w.number >= 1 && w.number <= 4) copyTo(fw.keyMatrices[w.number - 1].data(), 64);
      break;
    case cmd::kWriteMacro:
      if (w.number >= 1 && w.number <= kMacroCount) {
        copyTo(fw.macros[w.number - 1].data(), kMacroImageSize);
      }
      break;
    default: break;
  }
  pendingWrite = PendingWrite{};
}

namespace {

class SimulatedDevice : public HidDevice {
 public:
  SimulatedDevice(std::shared_ptr<SimulatedMouse::Impl> impl, Collection collection,
                  unsigned generation, bool withAccess)
      : impl_(std::move(impl)),
        collection_(collection),
        generation_(generation),
        withAccess_(withAccess) {}

  HidAttributes attributes() override {
    return collection_ == Collection::Other ? HidAttributes{0x046D, 0xC31C}
                                            : HidAttributes{kMouseVendorId, kMouseProductId};
  }

  HidCaps caps() override {
    switch (collection_) {
      case Collection::Mouse: return {0x0001, 0x0002, 8, 0, 0};
      case Collection::Feature: return {kFeatureUsagePage, kFeatureUsage, 33, 33, 9};
      case Collection::Input: return {kInputUsagePage, kInputUsage, 9, 0, 0};
      case Collection::Other: return {0x0001, 0x0006, 9, 2, 0};
    }
    return {};
  }

  bool setFeature(const std::uint8_t* report, std::size_t length) override {
    std::lock_guard lock(impl_->mutex);
    impl_->logLine("set_feature " + hexBytes(report, length));
    if (!usable(Collection::Feature) || length < 9) return false;
    impl_->command(report + 1);
    return true;
  }

  bool getFeature(std::uint8_t* report, std::size_t length) override {
    std::lock_guard lock(impl_->mutex);
    std::memset(report, 0, length);
    const bool ok = usable(Collection::Feature) && length >= 9;
    if (ok && impl_->replyPending) {
      std::memcpy(report + 1, impl_->reply.data(), 8);
      impl_->replyPending = false;
    }
    impl_->logLine("get_feature " + hexBytes(report, length));
    return ok;
  }

  bool writeReport(const std::uint8_t* report, std::size_t length) override {
    std::lock_guard lock(impl_->mutex);
    impl_->logLine("write " + hexBytes(report, length));
    if (!usable(Collection::Feature) || length < 33) return false;
    auto& w = impl_->pendingWrite;
    if (w.expected > 0) {
      w.payload.insert(w.payload.end(), report + 1, report + 33);
      if (--w.expected == 0) impl_->storeWrite();
    }
    return true;
  }

  bool readReport(std::uint8_t* report, std::size_t length) override {
    std::lock_guard lock(impl_->mutex);
    std::memset(report, 0, length);
    bool ok = usable(Collection::Feature) && !impl_->dataOut.empty();
    if (ok) {
      const auto& next = impl_->dataOut.front();
      std::memcpy(report, next.data(), std::min(length, next.size()));
      impl_->dataOut.pop_front();
    }
    impl_->logLine("read " + hexBytes(report, length));
    return ok;
  }

  InputReadResult readInput(std::uint8_t* report, std::size_t length,
                            std::size_t& received) override {
    received = 0;
    std::unique_lock lock(impl_->mutex);
    impl_->inputArrived.wait(lock, [&] {
      return cancelled_ || !usable(Collection::Input) || !impl_->inputQueue.empty();
    });
    if (cancelled_) {
      cancelled_ = false;
      return InputReadResult::Cancelled;
    }
    if (!usable(Collection::Input)) return InputReadResult::Failed;
    const auto next = std::move(impl_->inputQueue.front());
    impl_->inputQueue.pop_front();
    received = std::min(length, next.size());
    std::memcpy(report, next.data(), received);
    return InputReadResult::Data;
  }

  void cancelInput() override {
    std::lock_guard lock(impl_->mutex);
    cancelled_ = true;
    impl_->inputArrived.notify_all();
  }

 private:
  bool usable(Collection needed) const {
    return withAccess_ && collection_ == needed && impl_->plugged &&
           impl_->generation == generation_;
  }

  std::shared_ptr<SimulatedMouse::Impl> impl_;
  Collection collection_;
  unsigned generation_;
  bool withAccess_;
  bool cancelled_ = false;  // guarded by impl_->mutex
};

}  // namespace

SimulatedMouse::SimulatedMouse(std::uint8_t sensorType, bool plugged)
    : impl_(std::make_shared<Impl>()) {
  impl_->fw = FirmwareState::factory(sensorType);
  impl_->plugged = plugged;
}

SimulatedMouse::~SimulatedMouse() { unplug(); }

std::vector<std::wstring> SimulatedMouse::listInterfaces() {
  std::lock_guard lock(impl_->mutex);
  std::vector<std::wstring> paths{kOtherDevicePath};
  if (impl_->plugged) {
    paths.push_back(kMousePath);
    paths.push_back(kInputPath);
    paths.push_back(kFeaturePath);
  }
  return paths;
}

std::unique_ptr<HidDevice> SimulatedMouse::open(const std::wstring& path, bool withAccess) {
  std::lock_guard lock(impl_->mutex);
  Collection collection;
  if (path == kOtherDevicePath) {
    collection = Collection::Other;
  } else if (!impl_->plugged) {
    return nullptr;
  } else if (path == kMousePath) {
    collection = Collection::Mouse;
  } else if (path == kFeaturePath) {
    collection = Collection::Feature;
  } else if (path == kInputPath) {
    collection = Collection::Input;
  } else {
    return nullptr;
  }
  // The system owns the mouse and keyboard collections: they open only without access.
  if (withAccess && (collection == Collection::Mouse || collection == Collection::Other)) {
    return nullptr;
  }
  return std::make_unique<SimulatedDevice>(impl_, collection, impl_->generation, withAccess);
}

void SimulatedMouse::plug() {
  std::lock_guard lock(impl_->mutex);
  impl_->plugged = true;
}

void SimulatedMouse::unplug() {
  std::lock_guard lock(impl_->mutex);
  if (!impl_->plugged) return;
  impl_->plugged = false;
  ++impl_->generation;
  impl_->replyPending = false;
  impl_->dataOut.clear();
  impl_->pendingWrite = PendingWrite{};
  impl_->inputQueue.clear();
  impl_->inputArrived.notify_all();
}

bool SimulatedMouse::plugged() const {
  std::lock_guard lock(impl_->mutex);
  return impl_->plugged;
}

void SimulatedMouse::pushInputReport(std::vector<std::uint8_t> report) {
  std::lock_guard lock(impl_->mutex);
  if (!impl_->plugged) return;
  impl_->inputQueue.push_back(std::move(report));
  impl_->inputArrived.notify_all();
}

void SimulatedMouse::setLogSink(LogSink sink) {
  std::lock_guard lock(impl_->mutex);
  impl_->sink = std::move(sink);
}

std::vector<std::string> SimulatedMouse::wireLog() const {
  std::lock_guard lock(impl_->mutex);
  return impl_->log;
}

void SimulatedMouse::clearWireLog() {
  std::lock_guard lock(impl_->mutex);
  impl_->log.clear();
}

PauseFn SimulatedMouse::pauseFn(bool realSleep) {
  std::weak_ptr<Impl> weak = impl_;
  return [weak, realSleep](unsigned ms) {
    if (auto impl = weak.lock()) {
      std::lock_guard lock(impl->mutex);
      impl->logLine("sleep " + std::to_string(ms));
    }
    if (realSleep) realPause(ms);
  };
}

FirmwareState SimulatedMouse::firmware() const {
  std::lock_guard lock(impl_->mutex);
  return impl_->fw;
}

void SimulatedMouse::setFirmware(const FirmwareState& state) {
  std::lock_guard lock(impl_->mutex);
  impl_->fw = state;
}

}  // namespace k8
