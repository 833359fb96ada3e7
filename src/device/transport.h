#pragma once
// Framing of every exchange with the mouse: an 8-byte command block in feature report 0,
// block payloads as 32-byte data reports on the same collection.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "device/hid_backend.h"
#include "platform/pause.h"

namespace k8 {

using CommandBlock = std::array<std::uint8_t, 8>;

inline constexpr std::size_t kDataPieceSize = 32;
inline constexpr std::size_t kFeatureBufferSize = 16;
inline constexpr std::size_t kDataBufferSize = 40;
inline constexpr unsigned kDataReportPauseMs = 3;
inline constexpr unsigned kRepeatedCommandPauseMs = 2;

// 0xFF minus the sum of bytes 0-6, so that all eight bytes add up to 0xFF.
constexpr std::uint8_t commandChecksum(const CommandBlock& block) {
  unsigned sum = 0;
  for (std::size_t i = 0; i < 7; ++i) sum += block[i];
  return static_cast<std::uint8_t>(0xFF - (sum & 0xFF));
}
static_assert(commandChecksum({0x01, 0x08, 0, 0, 0, 0, 0, 0}) == 0xF6);
static_assert(commandChecksum({0x83, 0, 0, 0, 0, 0, 0, 0}) == 0x7C);

// Report lengths of the open feature collection (as its caps state them, report id included).
struct ReportLengths {
  std::size_t feature = 0;
  std::size_t input = 0;
  std::size_t output = 0;
};

class Transport {
 public:
  // `feature` may be null (no mouse): every transfer then fails silently.
  Transport(HidDevice* feature, ReportLengths lengths, PauseFn pause);

  // Sends the block (checksum filled in); a read command (bit 7) gets the reply in place.
  void exchange(CommandBlock& block);
  // Sends the block, then writes the payload as data reports (write command) or reads the
  // reply's stated length into the payload, as many pieces as the payload holds.
  void blockTransfer(CommandBlock& block, std::span<std::uint8_t> payload);

  void pause(unsigned milliseconds) { pause_(milliseconds); }

  // Transfers the mouse did not take (or that had no mouse to go to) since construction.
  std::size_t failedTransfers() const { return failed_; }

 private:
  void sendCommand(const CommandBlock& block, std::uint8_t* buffer, std::size_t bufferSize);
  void readReply(CommandBlock& block, std::uint8_t* buffer, std::size_t bufferSize);

  HidDevice* feature_;
  ReportLengths lengths_;
  PauseFn pause_;
  std::size_t failed_ = 0;
};

}  // namespace k8
