// Whatever the mouse answers (any report lengths in its caps, any reply bytes, any transfer
// failing), the arrival exchange, a whole Apply and a resend run to their end without reading or
// writing past a buffer, and what they learnt (the sensor type) stays usable by the page tables.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "device/commands.h"
#include "device/hid_backend.h"
#include "device/transport.h"
#include "i18n/notice.h"
#include "settings/key_tables.h"
#include "settings/mouse_settings.h"
#include "sync/apply.h"

namespace {

// A collection that answers every read from the fuzzer's bytes; each transfer first takes one
// byte whose low bit says whether it succeeds.
class ReplayedMouse : public k8::HidDevice {
 public:
  ReplayedMouse(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  k8::HidAttributes attributes() override { return {k8::kMouseVendorId, k8::kMouseProductId}; }
  k8::HidCaps caps() override { return {}; }
  bool setFeature(const std::uint8_t* report, std::size_t length) override {
    return touch(report, length) && succeeds();
  }
  bool writeReport(const std::uint8_t* report, std::size_t length) override {
    return touch(report, length) && succeeds();
  }
  bool getFeature(std::uint8_t* report, std::size_t length) override {
    return fill(report, length);
  }
  bool readReport(std::uint8_t* report, std::size_t length) override {
    return fill(report, length);
  }
  k8::InputReadResult readInput(std::uint8_t*, std::size_t, std::size_t& received) override {
    received = 0;
    return k8::InputReadResult::Failed;
  }
  void cancelInput() override {}

 private:
  // Reads every byte the caller claims to hand over, so a short buffer shows under ASan.
  static bool touch(const std::uint8_t* report, std::size_t length) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < length; ++i) sum += report[i];
    return sum != 0xFFFFFFFFu;
  }
  bool succeeds() { return at_ < size_ ? (data_[at_++] & 1) : false; }
  bool fill(std::uint8_t* report, std::size_t length) {
    if (!succeeds()) return false;
    for (std::size_t i = 0; i < length; ++i) report[i] = at_ < size_ ? data_[at_++] : 0;
    return true;
  }

  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Bytes 0-2: the feature, input and output report lengths the collection's caps state; the
  // rest: the mouse's side of every transfer.
  if (size < 3) return 0;
  ReplayedMouse mouse(data + 3, size - 3);
  k8::Transport transport(&mouse, {data[0], data[1], data[2]}, nullptr);
  k8::DeviceState state;
  k8::CommandSet commands(transport, state);

  commands.ExchangeSensorSettings();
  k8::MouseSettings settings{};
  k8::resetKeyDefaults(settings);
  (void)k8::sendSettingsToMouse(settings, commands);
  state.settingsOwed = true;
  (void)k8::resendOwedSettings(settings, commands);

  const int sensorType = state.sensorType;
  const int scale = k8::dpiScaleLength(sensorType);
  for (int position = 0; position < scale; ++position) (void)k8::pageDpiText(sensorType, position);
  for (std::uint8_t stage = 1; stage <= 4; ++stage) {
    (void)k8::noticeText(k8::NoticeKind::DpiStageSwitch, stage, k8::Language::English, sensorType,
                         settings);
  }
  return 0;
}
