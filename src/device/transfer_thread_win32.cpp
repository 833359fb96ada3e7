#include "device/transfer_thread_win32.h"

#include <array>
#include <atomic>
#include <cstring>
#include <new>

#include "platform/handles_win32.h"

namespace k8 {

namespace {

// A stalled transfer's thread only waits inside the system: a small stack is plenty.
constexpr SIZE_T kStackBytes = 256 * 1024;
// After a cancel, how long a request that can be cancelled takes to come back.
constexpr DWORD kCancelGraceMs = 100;

}  // namespace

struct TransferThread::Shared {
  explicit Shared(HANDLE f) : file(f) {}
  UniqueFile file;
  UniqueKernelHandle ioEvent{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  UniqueKernelHandle start{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
  UniqueKernelHandle done{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
  TransferFn fn = nullptr;
  std::array<std::uint8_t, kMaxLength> buffer{};
  std::size_t length = 0;
  bool result = false;
  std::atomic<bool> quit{false};
};

namespace {

DWORD WINAPI transferThreadMain(void* parameter) {
  // The thread's own share: the device may be gone long before a stalled call returns.
  const std::unique_ptr<std::shared_ptr<TransferThread::Shared>> owner(
      static_cast<std::shared_ptr<TransferThread::Shared>*>(parameter));
  TransferThread::Shared& s = **owner;
  while (WaitForSingleObject(s.start.get(), INFINITE) == WAIT_OBJECT_0 && !s.quit) {
    s.result = s.fn(s.file.get(), s.ioEvent.get(), s.buffer.data(), s.length);
    SetEvent(s.done.get());
  }
  return 0;
}

}  // namespace

TransferThread::TransferThread(HANDLE file, unsigned timeLimitMs)
    : shared_(std::make_shared<Shared>(file)), timeLimitMs_(timeLimitMs) {}

TransferThread::~TransferThread() {
  if (thread_ == nullptr) return;
  // A waiting thread ends now; a stuck one when its call returns.
  shared_->quit = true;
  SetEvent(shared_->start.get());
  CloseHandle(thread_);
}

HANDLE TransferThread::file() const { return shared_->file.get(); }

bool TransferThread::startThread() {
  if (thread_ != nullptr) return true;
  if (!shared_->ioEvent || !shared_->start || !shared_->done) return false;
  auto* share = new (std::nothrow) std::shared_ptr<Shared>(shared_);
  if (share == nullptr) return false;
  thread_ = CreateThread(nullptr, kStackBytes, transferThreadMain, share,
                         STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
  if (thread_ == nullptr) delete share;
  return thread_ != nullptr;
}

bool TransferThread::run(TransferFn fn, std::uint8_t* data, std::size_t length) {
  if (stuck_ || length > kMaxLength || !startThread()) return false;
  Shared& s = *shared_;
  s.fn = fn;
  std::memcpy(s.buffer.data(), data, length);
  s.length = length;
  s.result = false;
  SetEvent(s.start.get());
  if (WaitForSingleObject(s.done.get(), timeLimitMs_) != WAIT_OBJECT_0) {
    CancelIoEx(s.file.get(), nullptr);
    if (WaitForSingleObject(s.done.get(), kCancelGraceMs) != WAIT_OBJECT_0) {
      // The buffer stays the thread's: no transfer starts again on this device.
      stuck_ = true;
      return false;
    }
  }
  if (!s.result) return false;
  std::memcpy(data, s.buffer.data(), length);
  return true;
}

}  // namespace k8
