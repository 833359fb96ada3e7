#pragma once
// The virtual mouse's firmware side: what the host answers to each transfer its driver relays.
// The firmware is SimulatedMouse's; this adds what only a device in the system's HID stack has:
// data reports pushed to the system on their own, and transfers that never complete.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "device/simulated_mouse.h"

namespace k8vmouse {

enum class Status : std::uint8_t { Ok = 0, Fail = 1, Stall = 2 };

struct Answer {
  Status status = Status::Ok;
  std::array<std::uint8_t, 8> reply{};  // the feature report a get_feature reads
  // Data reports that go to the system before the answer, in order (a block read's payload).
  std::vector<std::array<std::uint8_t, 32>> dataReports;
};

class Relay {
 public:
  explicit Relay(k8::SimulatedMouse& mouse);

  Answer setFeature(std::span<const std::uint8_t, 8> report);
  Answer getFeature();
  Answer write(std::span<const std::uint8_t, 32> report);

  // The transfer after the next `transfers` ones never completes (stall) or fails. Data reports
  // pushed after a get_feature count as transfers too, as on the simulated mouse.
  void stallAfter(unsigned transfers);
  void failAfter(unsigned transfers);
  void clearFaults();

 private:
  bool stallsNow();
  void pushQueuedReports(Answer& answer);

  k8::SimulatedMouse& mouse_;
  std::unique_ptr<k8::HidDevice> feature_;
  std::optional<unsigned> stallAt_;
};

}  // namespace k8vmouse
