#include "device/transport.h"

#include <algorithm>
#include <cstring>

namespace k8 {

Transport::Transport(HidDevice* feature, ReportLengths lengths, PauseFn pause)
    : feature_(feature), lengths_(lengths), pause_(std::move(pause)) {
  if (!pause_) pause_ = [](unsigned) {};
}

bool Transport::sendCommand(const CommandBlock& block, std::uint8_t* buffer,
                            std::size_t bufferSize) {
  std::memset(buffer, 0, bufferSize);
  std::memcpy(buffer + 1, block.data(), 7);
  buffer[8] = commandChecksum(block);
  // A collection that claims a longer feature report than our buffer gets only the buffer.
  return counted(feature_ && feature_->setFeature(buffer, std::min(lengths_.feature, bufferSize)));
}

bool Transport::readReply(CommandBlock& block, std::uint8_t* buffer, std::size_t bufferSize) {
  std::memset(buffer, 0, bufferSize);
  const bool ok = feature_ && feature_->getFeature(buffer, std::min(lengths_.feature, bufferSize));
  if (!ok) std::memset(buffer, 0, bufferSize);  // a failed read yields an all-zero reply
  std::memcpy(block.data(), buffer + 1, block.size());
  return counted(ok);
}

bool Transport::exchange(CommandBlock& block) {
  std::uint8_t buffer[kFeatureBufferSize];
  bool ok = sendCommand(block, buffer, sizeof buffer);
  if (block[0] & 0x80) ok = readReply(block, buffer, sizeof buffer) && ok;
  return ok;
}

bool Transport::blockTransfer(CommandBlock& block, std::span<std::uint8_t> payload) {
  std::uint8_t buffer[kDataBufferSize];
  const bool read = (block[0] & 0x80) != 0;
  const std::size_t inputLength = std::min(lengths_.input, sizeof buffer);
  if (read && feature_) feature_->discardQueuedInput(inputLength, false);
  bool ok = sendCommand(block, buffer, sizeof buffer);
  // Data reports for the length a block states (a write's own, a read's reply), as many as fit.
  const auto piecesOf = [&](const CommandBlock& b) {
    return std::min<std::size_t>((b[2] + kDataPieceSize - 1) / kDataPieceSize,
                                 payload.size() / kDataPieceSize);
  };

  if (!read) {
    const std::size_t pieces = piecesOf(block);
    for (std::size_t k = 0; k < pieces; ++k) {
      std::memset(buffer, 0, sizeof buffer);
      std::memcpy(buffer + 1, payload.data() + k * kDataPieceSize, kDataPieceSize);
      ok = counted(feature_ &&
                   feature_->writeReport(buffer, std::min(lengths_.output, sizeof buffer))) &&
           ok;
      pause_(kDataReportPauseMs);
    }
    return ok;
  }

  if (!readReply(block, buffer, sizeof buffer)) {
    // The mouse sends the data reports right behind its reply, whether or not the reply got
    // through: they must not be left for the next block read.
    if (feature_) feature_->discardQueuedInput(inputLength, true);
    ok = false;
  }
  const std::size_t pieces = piecesOf(block);
  for (std::size_t k = 0; k < pieces; ++k) {
    std::memset(buffer, 0, sizeof buffer);
    const bool got = feature_ && feature_->readReport(buffer, inputLength);
    if (!got) std::memset(buffer, 0, sizeof buffer);
    std::memcpy(payload.data() + k * kDataPieceSize, buffer + 1, kDataPieceSize);
    ok = counted(got) && ok;
  }
  return ok;
}

}  // namespace k8
