#include "device/input_reader.h"

#include <algorithm>
#include <array>

namespace k8 {

std::optional<InputNotice> parseInputReport(const std::uint8_t* report, std::size_t received) {
  if (report == nullptr || received < 4 || report[0] != kButtonReportId) return std::nullopt;
  switch (report[1]) {
    case static_cast<std::uint8_t>(NoticeKind::ReportRateSwitch):
    case static_cast<std::uint8_t>(NoticeKind::DpiStageSwitch):
    case static_cast<std::uint8_t>(NoticeKind::KeyMatrixSwitch):
    case static_cast<std::uint8_t>(NoticeKind::MacroKeySwitch):
      return InputNotice{static_cast<NoticeKind>(report[1]), report[3]};
    default: return std::nullopt;
  }
}

InputReader::~InputReader() {
  if (thread_.joinable()) {
    link_.interruptReader();
    thread_.join();
  }
}

void InputReader::start() {
  if (!thread_.joinable()) thread_ = std::thread([this] { run(); });
}

void InputReader::run() {
  std::array<std::uint8_t, kInputBufferSize> buffer{};
  unsigned minConnection = 0;
  for (;;) {
    const auto input = link_.waitForInput(minConnection);
    if (!input) return;
    const std::size_t length = std::min(input->reportLength, buffer.size());
    std::size_t received = 0;
    switch (input->device->readInput(buffer.data(), length, received)) {
      case InputReadResult::Data:
        if (!link_.mousePresent()) break;
        if (auto notice = parseInputReport(buffer.data(), std::min(received, length))) {
          notice_(*notice);
        }
        break;
      case InputReadResult::Cancelled: break;  // a new discovery or the end: ask the link again
      case InputReadResult::Failed:
        // The collection is gone or broken: wait for the next successful discovery.
        minConnection = input->connection + 1;
        break;
    }
  }
}

}  // namespace k8
