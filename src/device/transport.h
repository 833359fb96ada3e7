#pragma once
// Framing of every exchange with the mouse: an 8-byte command block in feature report 0,
// block payloads as 32-byte data reports on the same collection.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "device/hid_backend.h"
#include "platform/fine_timer.h"
#include "platform/pause.h"

namespace k8 {

using CommandBlock = std::array<std::uint8_t, 8>;

inline constexpr std::size_t kDataPieceSize = 32;
inline constexpr std::size_t kFeatureBufferSize = 16;
inline constexpr std::size_t kDataBufferSize = 40;
inline constexpr unsigned kDataReportPauseMs = 3;
inline constexpr unsigned kRepeatedCommandPauseMs = 2;
// How long one transfer may take before it counts as failed. The protocol has no handshake and
// paces the mouse with 2-3 ms pauses, so its firmware takes a transfer within milliseconds, and
// USB gives a device 500 ms to answer a control request. A transfer still open after that will
// not complete, and the window must not wait for it.
inline constexpr unsigned kTransferTimeLimitMs = 500;

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

// One Transport lives for one sending path (an Apply, a sensor-settings exchange) and holds the
// fine timer for all of it. A failed transfer never stops the caller's sequence; the Transport
// counts it, so the path can tell afterwards whether everything reached the mouse.
class Transport {
 public:
  // `feature` may be null (no mouse): every transfer then fails.
  Transport(HidDevice* feature, ReportLengths lengths, PauseFn pause);

  // Sends the block (checksum filled in); a read command (bit 7) gets the reply in place
  // (all zeros when the read failed). True when every transfer of it succeeded.
  bool exchange(CommandBlock& block);
  // Sends the block, then writes the payload as data reports (write command) or reads the
  // reply's stated length into the payload, as many pieces as the payload holds. True when
  // every transfer of it succeeded.
  bool blockTransfer(CommandBlock& block, std::span<std::uint8_t> payload);

  void pause(unsigned milliseconds) { pause_(milliseconds); }

  // Transfers that failed since this Transport was made.
  unsigned failedTransfers() const { return failed_; }

 private:
  bool sendCommand(const CommandBlock& block, std::uint8_t* buffer, std::size_t bufferSize);
  bool readReply(CommandBlock& block, std::uint8_t* buffer, std::size_t bufferSize);
  bool counted(bool ok) {
    if (!ok) ++failed_;
    return ok;
  }

  FineTimerScope fineTimer_;
  HidDevice* feature_;
  ReportLengths lengths_;
  PauseFn pause_;
  unsigned failed_ = 0;
};

}  // namespace k8
