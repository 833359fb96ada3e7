#pragma once
// The reader thread: waits for the mouse's input collection, reads its reports and turns the
// button-switch reports into notices. It sleeps on the link (no connection) or inside the
// blocking read (connected); it never polls.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <thread>

#include "device/device_link.h"
#include "device/notice_kind.h"

namespace k8 {

struct InputNotice {
  NoticeKind kind;
  std::uint8_t value;
};

inline constexpr std::uint8_t kButtonReportId = 6;
inline constexpr std::size_t kInputBufferSize = 40;

// Report 6: byte 1 the kind (5, 7, 8 or 9), byte 3 the value. Anything else, and any report of
// fewer than 4 bytes, gives nothing.
std::optional<InputNotice> parseInputReport(const std::uint8_t* report, std::size_t received);

class InputReader {
 public:
  using NoticeFn = std::function<void(const InputNotice&)>;

  InputReader(DeviceLink& link, NoticeFn notice) : link_(link), notice_(std::move(notice)) {}
  // Interrupts the link's reader side and joins. The notice function must not wait for the
  // thread that destroys the reader, or the join never ends.
  ~InputReader();
  InputReader(const InputReader&) = delete;
  InputReader& operator=(const InputReader&) = delete;

  void start();

 private:
  void run();

  DeviceLink& link_;
  NoticeFn notice_;
  std::thread thread_;
};

}  // namespace k8
