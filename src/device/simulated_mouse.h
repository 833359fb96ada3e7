#pragma once
// An in-memory mouse: a firmware model behind the HID backend seam. It keeps what is written,
// answers reads, can be plugged and unplugged, can push input reports, and records every
// transfer and pause in a wire log. Used by tests, k8ctl and the simulated Windows build.

#include <array>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "device/commands.h"
#include "device/hid_backend.h"
#include "platform/pause.h"

namespace k8 {

// What the firmware holds. Public so tests can set and inspect it.
struct FirmwareState {
  std::array<std::uint8_t, 4> sensorSettings{0x00, 0x04, 0x11, 0x03};
  std::array<std::uint8_t, 3> lightEffect{0x01, 0x05, 0x02};
  std::array<LightParameterSet, 2> lightParameters{{{0x01, 0x00, 0x00}, {0x04, 0x05, 0x06}}};
  std::array<ColourBlock, 2> colourBlocks{};
  std::array<std::uint8_t, 8> dpiStageTable{0x01, 0x02, 0x03, 0x04, 0x80, 0x80, 0x80, 0x80};
  std::uint8_t reportRate = 0x04;
  std::array<KeyMatrix, 4> keyMatrices{};
  MacroPayloads macros{};
  int badChecksums = 0;  // command blocks ignored because their checksum was wrong

  static FirmwareState factory(std::uint8_t sensorType = 0);
};

class SimulatedMouse : public HidBackend {
 public:
  using LogSink = std::function<void(const std::string& line)>;

  explicit SimulatedMouse(std::uint8_t sensorType = 0, bool plugged = true);
  ~SimulatedMouse() override;

  // HidBackend
  std::vector<std::wstring> listInterfaces() override;
  std::unique_ptr<HidDevice> open(const std::wstring& path, bool withAccess) override;

  void plug();
  void unplug();  // every handle opened before fails from now on, even after a new plug
  bool plugged() const;

  // Faults. A transfer is one set_feature, get_feature, write or read on the feature collection.
  // The mouse unplugs itself once `transfers` more transfers have been made (0: at once), and
  // then calls the unplug listener (under the mouse's lock: it may only post a message).
  void unplugAfter(unsigned transfers);
  void setUnplugListener(std::function<void()> listener);
  // The transfer after the next `transfers` ones fails and has no effect; the mouse stays.
  void failTransferAfter(unsigned transfers);
  // Disarms unplugAfter and failTransferAfter.
  void clearFaults();
  // Transfers made on the feature collection since the mouse was made.
  unsigned transfers() const;
  // Data reports a block read left for the next reads (a device relaying them pushes them all).
  std::size_t queuedDataReports() const;
  // Queues a report for the input collection (the first byte is the report id).
  void pushInputReport(std::vector<std::uint8_t> report);

  // Wire log: kept in memory unless a sink is set (the simulated program appends to a file).
  void setLogSink(LogSink sink);
  std::vector<std::string> wireLog() const;
  void clearWireLog();
  // A pause function that logs "sleep N" and, when `realSleep`, also sleeps.
  PauseFn pauseFn(bool realSleep);

  FirmwareState firmware() const;
  void setFirmware(const FirmwareState& state);

  // Interface paths of the mouse's collections (also used by the simulated device events).
  static const std::wstring kMousePath;  // the standard mouse collection (system-owned)
  static const std::wstring kFeaturePath;
  static const std::wstring kInputPath;
  static const std::wstring kOtherDevicePath;  // a keyboard of another vendor, always present

  struct Impl;

 private:
  std::shared_ptr<Impl> impl_;
};

// Formats bytes as the wire log does: lowercase two-digit hex separated by single blanks.
std::string hexBytes(const std::uint8_t* data, std::size_t length);

}  // namespace k8
