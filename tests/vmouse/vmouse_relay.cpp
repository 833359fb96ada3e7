#include "vmouse_relay.h"

#include <algorithm>

namespace k8vmouse {

Relay::Relay(k8::SimulatedMouse& mouse)
    : mouse_(mouse), feature_(mouse.open(k8::SimulatedMouse::kFeaturePath, true)) {}

bool Relay::stallsNow() {
  if (!stallAt_ || mouse_.transfers() != *stallAt_) return false;
  stallAt_.reset();
  return true;
}

void Relay::stallAfter(unsigned transfers) { stallAt_ = mouse_.transfers() + transfers; }

void Relay::failAfter(unsigned transfers) { mouse_.failTransferAfter(transfers); }

void Relay::clearFaults() {
  stallAt_.reset();
  mouse_.clearFaults();
}

Answer Relay::setFeature(std::span<const std::uint8_t, 8> report) {
  Answer answer;
  if (stallsNow()) return {Status::Stall, {}, {}};
  std::array<std::uint8_t, 9> wire{};  // report id 0, as the program hands it to the system
  std::copy(report.begin(), report.end(), wire.begin() + 1);
  if (!feature_ || !feature_->setFeature(wire.data(), wire.size())) answer.status = Status::Fail;
  return answer;
}

Answer Relay::getFeature() {
  Answer answer;
  if (stallsNow()) return {Status::Stall, {}, {}};
  std::array<std::uint8_t, 9> wire{};
  if (!feature_ || !feature_->getFeature(wire.data(), wire.size())) answer.status = Status::Fail;
  std::copy(wire.begin() + 1, wire.end(), answer.reply.begin());
  // A real mouse sends a block read's data reports after its reply whether or not the reply was
  // fetched; they wait in the system's queue for whoever reads next.
  pushQueuedReports(answer);
  return answer;
}

void Relay::pushQueuedReports(Answer& answer) {
  while (feature_ && mouse_.queuedDataReports() > 0 && !stallsNow()) {
    std::array<std::uint8_t, 33> wire{};
    if (!feature_->readReport(wire.data(), wire.size())) break;
    std::array<std::uint8_t, 32> data{};
    std::copy(wire.begin() + 1, wire.end(), data.begin());
    answer.dataReports.push_back(data);
  }
}

Answer Relay::write(std::span<const std::uint8_t, 32> report) {
  Answer answer;
  if (stallsNow()) return {Status::Stall, {}, {}};
  std::array<std::uint8_t, 33> wire{};
  std::copy(report.begin(), report.end(), wire.begin() + 1);
  if (!feature_ || !feature_->writeReport(wire.data(), wire.size())) answer.status = Status::Fail;
  return answer;
}

}  // namespace k8vmouse
