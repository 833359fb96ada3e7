#include "device/simulated_mouse.h"

#include <algorithm>
#include <cstring>
#include <optional>

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

constexpr std::size_t kPiece = 32;  // payload bytes per data report

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
  unsigned transfers = 0;
  std::optional<unsigned> unplugAt;  // transfer count at which the mouse vanishes
  std::optional<unsigned> failAt;    // number of the transfer that fails
  std::function<void()> unplugListener;

  void unplugLocked();
  // Counts a transfer on the feature collection; false when this one is to fail.
  bool startTransfer() {
    const bool fail = failAt && *failAt == transfers;
    if (fail) failAt.reset();
    ++transfers;
    return !fail;
  }
  void endTransfer() {
    if (unplugAt && transfers >= *unplugAt) {
      unplugAt.reset();
      const bool wasPlugged = plugged;
      unplugLocked();
      if (wasPlugged && unplugListener) unplugListener();
    }
  }

  void logLine(std::string line) {
    if (sink) {
      sink(line);
    } else {
      log.push_back(std::move(line));
    }
  }

  void handleCommand(const std::uint8_t* block);
  // The firmware's values a command code reaches (target `index` of a numbered command).
  std::uint8_t* valuesOf(std::uint8_t code, std::uint8_t index);
  void storeWrite();
};

void SimulatedMouse::Impl::handleCommand(const std::uint8_t* b) {
  unsigned sum = 0;
  for (int i = 0; i < 8; ++i) sum += b[i];
  if ((sum & 0xFF) != 0xFF) {
    ++fw.badChecksums;
    return;
  }
  // A new command abandons a payload that never came whole and a reply nobody fetched.
  pendingWrite = PendingWrite{};
  replyPending = false;
  dataOut.clear();
  const CommandInfo* c = findCommand(b[0]);
  if (c == nullptr) return;
  // A numbered command whose number is out of range reaches no values, but still replies.
  const bool numbered = c->numbers != 0;
  const bool known = !numbered || (b[1] >= c->firstNumber && b[1] - c->firstNumber < c->numbers);
  const auto index = static_cast<std::uint8_t>(numbered ? b[1] - c->firstNumber : 0);
  std::uint8_t* values = known ? valuesOf(b[0], index) : nullptr;
  const std::size_t at = numbered ? 2 : 1;  // where the values sit in a block

  CommandBlock r{};
  r[0] = b[0];
  if (numbered) r[1] = b[1];
  switch (c->operation) {
    case CommandOperation::Write:
      if (values) std::copy_n(b + at, c->length, values);
      return;
    case CommandOperation::Read:
      if (values) std::copy_n(values, c->length, r.begin() + static_cast<std::ptrdiff_t>(at));
      break;
    case CommandOperation::BlockWrite:
      pendingWrite = PendingWrite{b[0], b[1], (b[2] + kPiece - 1u) / kPiece, {}};
      if (pendingWrite.expected == 0) storeWrite();
      return;
    case CommandOperation::BlockRead:
      if (values) {
        r[2] = c->length;
        for (std::size_t off = 0; off < c->length; off += kPiece) {
          std::array<std::uint8_t, kPiece + 1> report{};
          std::memcpy(report.data() + 1, values + off,
                      std::min<std::size_t>(kPiece, c->length - off));
          dataOut.push_back(report);
        }
      }
      break;
  }
  r[7] = commandChecksum(r);
  reply = r;
  replyPending = true;
}

std::uint8_t* SimulatedMouse::Impl::valuesOf(std::uint8_t code, std::uint8_t index) {
  switch (code & 0x7F) {  // a read reaches the values of its write
    case cmd::kSetReportRate: return &fw.reportRate;
    case cmd::kWriteSensorSettings: return fw.sensorSettings.data();
    case cmd::kWriteLightParameters: return fw.lightParameters[index].data();
    case cmd::kWriteLightEffect: return fw.lightEffect.data();
    case cmd::kWriteColourBlock: return fw.colourBlocks[index].data();
    case cmd::kWriteDpiStages: return fw.dpiStageTable.data();
    case cmd::kWriteKeyMatrix: return fw.keyMatrices[index].data();
    case cmd::kWriteMacro: return fw.macros[index].data();
    default: return nullptr;
  }
}

void SimulatedMouse::Impl::storeWrite() {
  const auto& w = pendingWrite;
  const CommandInfo& c = command(w.code);
  if (!c.numbers || (w.number >= c.firstNumber && w.number - c.firstNumber < c.numbers)) {
    const auto index = static_cast<std::uint8_t>(c.numbers ? w.number - c.firstNumber : 0);
    std::uint8_t* values = valuesOf(w.code, index);
    std::memcpy(values, w.payload.data(), std::min<std::size_t>(c.length, w.payload.size()));
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
    const bool ok = transfer() && length >= 9;
    if (ok) impl_->handleCommand(report + 1);
    impl_->endTransfer();
    return ok;
  }

  bool getFeature(std::uint8_t* report, std::size_t length) override {
    std::lock_guard lock(impl_->mutex);
    std::memset(report, 0, length);
    const bool ok = transfer() && length >= 9;
    if (ok && impl_->replyPending) {
      std::memcpy(report + 1, impl_->reply.data(), 8);
      impl_->replyPending = false;
    }
    impl_->logLine("get_feature " + hexBytes(report, length));
    impl_->endTransfer();
    return ok;
  }

  bool writeReport(const std::uint8_t* report, std::size_t length) override {
    std::lock_guard lock(impl_->mutex);
    impl_->logLine("write " + hexBytes(report, length));
    const bool ok = transfer() && length >= 33;
    auto& w = impl_->pendingWrite;
    if (ok && w.expected > 0) {
      w.payload.insert(w.payload.end(), report + 1, report + 33);
      if (--w.expected == 0) impl_->storeWrite();
    }
    impl_->endTransfer();
    return ok;
  }

  bool readReport(std::uint8_t* report, std::size_t length) override {
    std::lock_guard lock(impl_->mutex);
    std::memset(report, 0, length);
    const bool ok = transfer() && !impl_->dataOut.empty();
    if (ok) {
      const auto& next = impl_->dataOut.front();
      std::memcpy(report, next.data(), std::min(length, next.size()));
      impl_->dataOut.pop_front();
    }
    impl_->logLine("read " + hexBytes(report, length));
    impl_->endTransfer();
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
  // A transfer on the feature collection: counted whether or not it can succeed.
  bool transfer() {
    const bool wanted = impl_->startTransfer();
    return wanted && usable(Collection::Feature);
  }

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

void SimulatedMouse::Impl::unplugLocked() {
  if (!plugged) return;
  plugged = false;
  ++generation;
  replyPending = false;
  dataOut.clear();
  pendingWrite = PendingWrite{};
  inputQueue.clear();
  inputArrived.notify_all();
}

void SimulatedMouse::unplug() {
  std::lock_guard lock(impl_->mutex);
  impl_->unplugAt.reset();
  impl_->unplugLocked();
}

void SimulatedMouse::unplugAfter(unsigned transfers) {
  std::lock_guard lock(impl_->mutex);
  impl_->unplugAt = impl_->transfers + transfers;
  if (transfers == 0) impl_->endTransfer();
}

void SimulatedMouse::setUnplugListener(std::function<void()> listener) {
  std::lock_guard lock(impl_->mutex);
  impl_->unplugListener = std::move(listener);
}

void SimulatedMouse::failTransferAfter(unsigned transfers) {
  std::lock_guard lock(impl_->mutex);
  impl_->failAt = impl_->transfers + transfers;
}

void SimulatedMouse::clearFaults() {
  std::lock_guard lock(impl_->mutex);
  impl_->unplugAt.reset();
  impl_->failAt.reset();
}

unsigned SimulatedMouse::transfers() const {
  std::lock_guard lock(impl_->mutex);
  return impl_->transfers;
}

std::size_t SimulatedMouse::queuedDataReports() const {
  std::lock_guard lock(impl_->mutex);
  return impl_->plugged ? impl_->dataOut.size() : 0;
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
