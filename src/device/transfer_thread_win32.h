#pragma once
// Runs one device's transfers on a thread of their own, so that a transfer the device never
// completes blocks that thread and nobody else. The caller waits at most a time limit. Then
// it cancels what the system lets it cancel and gives the transfer a moment more; a transfer
// still open after that leaves the thread stuck, and every later transfer fails at once until
// the device is opened again.
//
// A stuck thread is never joined: it holds the file handle and its buffer itself and lets go
// of both when its call finally returns (at the latest when the device goes away).

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace k8 {

// One transfer on the thread: the file, an event for an overlapped request, the buffer.
using TransferFn = bool (*)(HANDLE file, HANDLE ioEvent, std::uint8_t* data, std::size_t length);

class TransferThread {
 public:
  static constexpr std::size_t kMaxLength = 64;

  // Takes ownership of `file`.
  TransferThread(HANDLE file, unsigned timeLimitMs);
  ~TransferThread();
  TransferThread(const TransferThread&) = delete;
  TransferThread& operator=(const TransferThread&) = delete;

  // For calls that never reach the device (attributes, caps): made on the caller's thread.
  HANDLE file() const;

  // Runs `fn` over a copy of `data` on the transfer thread; on success the copy comes back
  // into `data`. False when the transfer failed, outlived the time limit, or the thread is
  // stuck from an earlier one.
  bool run(TransferFn fn, std::uint8_t* data, std::size_t length);
  bool stuck() const { return stuck_; }

  struct Shared;

 private:
  bool startThread();

  std::shared_ptr<Shared> shared_;
  HANDLE thread_ = nullptr;
  unsigned timeLimitMs_;
  bool stuck_ = false;
};

}  // namespace k8
