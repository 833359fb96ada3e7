// `k8vmouse serve`: the firmware behind the virtual mouse's driver. The driver connects once per
// device for transfers (answered one by one) and once for the reports the host pushes to it.
// Commands of the control tool arrive on a pipe of their own.
#include <array>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>

#include "platform/handles_win32.h"
#include "vmouse_protocol.h"
#include "vmouse_relay.h"
#include "vmouse_win32.h"

namespace k8vmouse {

namespace {

using Frame = vmouse_frame;

// Enough listening instances that all four devices' two connections, and a re-plug while the
// old ones are still closing, always find one.
constexpr int kListeners = 12;

bool readFrame(HANDLE pipe, Frame& frame) {
  DWORD done = 0;
  auto* bytes = reinterpret_cast<std::uint8_t*>(&frame);
  while (done < sizeof frame) {
    DWORD got = 0;
    if (!ReadFile(pipe, bytes + done, sizeof frame - done, &got, nullptr) || got == 0) return false;
    done += got;
  }
  return true;
}

bool writeFrame(HANDLE pipe, const Frame& frame) {
  DWORD done = 0;
  return WriteFile(pipe, &frame, sizeof frame, &done, nullptr) && done == sizeof frame;
}

class Host {
 public:
  Host(std::uint8_t sensorType, const std::wstring& logPath)
      : sensorType_(sensorType), mouse_(sensorType, true), relay_(mouse_) {
    log_ = _wfopen(logPath.c_str(), L"ab");
    mouse_.setLogSink([this](const std::string& line) {
      if (!log_) return;
      std::fprintf(log_, "%s\n", line.c_str());
      std::fflush(log_);
    });
  }

  int run() {
    for (int i = 0; i < kListeners; ++i) std::thread([this] { listen(); }).detach();
    return control();
  }

 private:
  void listen() {
    const std::wstring name = std::wstring(L"\\\\.\\pipe\\") + VMOUSE_PIPE_NAME;
    for (;;) {
      HANDLE pipe = CreateNamedPipeW(name.c_str(), PIPE_ACCESS_DUPLEX,
                                     PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT,
                                     PIPE_UNLIMITED_INSTANCES, 4096, 4096, 0, nullptr);
      if (pipe == INVALID_HANDLE_VALUE) return;
      if (!ConnectNamedPipe(pipe, nullptr) && GetLastError() != ERROR_PIPE_CONNECTED) {
        CloseHandle(pipe);
        continue;
      }
      serveConnection(pipe);
    }
  }

  // A transfer connection is served here to its end; an event connection is handed to the
  // table, where pushes write to it and the device's goodbye closes it.
  void serveConnection(HANDLE pipe) {
    Frame frame{};
    if (!readFrame(pipe, frame) || frame.role >= VMOUSE_ROLE_COUNT) {
      CloseHandle(pipe);
      return;
    }
    const int role = frame.role;
    if (frame.op == VMOUSE_OP_EVENTS) {
      std::lock_guard lock(mutex_);
      closeEvents(role);
      events_[role] = pipe;
      return;
    }
    if (frame.op != VMOUSE_OP_HELLO || !writeFrame(pipe, frame)) {
      CloseHandle(pipe);
      return;
    }
    {
      std::lock_guard lock(mutex_);
      ++transferConnections_[role];
    }
    while (readFrame(pipe, frame)) {
      frame.role = static_cast<unsigned char>(role);
      answer(frame);
      if (!writeFrame(pipe, frame)) break;
    }
    std::lock_guard lock(mutex_);
    --transferConnections_[role];
    CloseHandle(pipe);
  }

  void answer(Frame& frame) {
    std::lock_guard lock(mutex_);
    Answer a;
    switch (frame.op) {
      case VMOUSE_OP_SET_FEATURE:
        a = relay_.setFeature(std::span<const std::uint8_t, 8>(frame.data, 8));
        break;
      case VMOUSE_OP_GET_FEATURE: a = relay_.getFeature(); break;
      case VMOUSE_OP_WRITE:
        a = relay_.write(std::span<const std::uint8_t, 32>(frame.data, 32));
        break;
      case VMOUSE_OP_BYE:
        closeEvents(frame.role);
        frame.status = VMOUSE_OK;
        return;
      default: a.status = Status::Fail; break;
    }
    if (a.status == Status::Stall && pullOnStall_) {
      // Pulled mid-transfer: the driver keeps this one open until the removal ends it. The
      // removal needs this host to answer the drivers' goodbyes, so it runs on its own thread.
      pullOnStall_ = false;
      std::thread([] {
        for (int role :
             {VMOUSE_ROLE_FEATURE, VMOUSE_ROLE_INPUT, VMOUSE_ROLE_MOUSE, VMOUSE_ROLE_KEYBOARD}) {
          unplug(role, true);
        }
      }).detach();
    }
    // The payload of a block read reaches the system before the reply that announces it.
    for (const auto& report : a.dataReports) {
      pushLocked(frame.role, report.data(), static_cast<unsigned char>(report.size()));
    }
    frame.status = static_cast<unsigned char>(a.status);
    frame.length = frame.op == VMOUSE_OP_GET_FEATURE ? 8 : 0;
    std::memcpy(frame.data, a.reply.data(), a.reply.size());
  }

  bool pushLocked(int role, const std::uint8_t* data, unsigned char length) {
    if (!events_[role]) return false;
    Frame frame{};
    frame.op = VMOUSE_OP_REPORT;
    frame.role = static_cast<unsigned char>(role);
    frame.length = length;
    std::memcpy(frame.data, data, length);
    if (writeFrame(events_[role], frame)) return true;
    closeEvents(role);
    return false;
  }

  // Ends the device's event connection: its driver thread sees the pipe break and stops.
  void closeEvents(int role) {
    if (!events_[role]) return;
    DisconnectNamedPipe(events_[role]);
    CloseHandle(events_[role]);
    events_[role] = nullptr;
  }

  // The control tool's commands, one per connection: "report R S", "stall-after N",
  // "fail-after N", "unplug-after N", "reset", "status", "stop". The answer is "ok ..." or an error
  // text.
  int control() {
    const std::wstring name = std::wstring(L"\\\\.\\pipe\\") + VMOUSE_CONTROL_PIPE_NAME;
    const auto instance = [&] {
      return CreateNamedPipeW(name.c_str(), PIPE_ACCESS_DUPLEX,
                              PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT,
                              PIPE_UNLIMITED_INSTANCES, 512, 512, 0, nullptr);
    };
    HANDLE pipe = instance();
    for (;;) {
      if (pipe == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "k8vmouse: cannot open the control pipe (error %lu)\n",
                     GetLastError());
        return 1;
      }
      const bool connected =
          ConnectNamedPipe(pipe, nullptr) || GetLastError() == ERROR_PIPE_CONNECTED;
      // The next caller finds an instance waiting while this one is answered.
      HANDLE next = instance();
      bool stop = false;
      char request[512] = {};
      DWORD got = 0;
      if (connected && ReadFile(pipe, request, sizeof request - 1, &got, nullptr)) {
        const std::string reply = command(std::string(request, got), stop);
        DWORD done = 0;
        WriteFile(pipe, reply.data(), static_cast<DWORD>(reply.size()), &done, nullptr);
        FlushFileBuffers(pipe);
      }
      DisconnectNamedPipe(pipe);
      CloseHandle(pipe);
      pipe = next;
      if (stop) {
        CloseHandle(next);
        return 0;
      }
    }
  }

  std::string command(const std::string& text, bool& stop) {
    std::istringstream in(text);
    std::string verb;
    in >> verb;
    std::lock_guard lock(mutex_);
    if (verb == "report") {
      unsigned kind = 0, value = 0;
      if (!(in >> kind >> value) || kind > 255 || value > 255) return "error: bad report";
      const std::uint8_t report[4] = {6, static_cast<std::uint8_t>(kind), 0,
                                      static_cast<std::uint8_t>(value)};
      return pushLocked(VMOUSE_ROLE_INPUT, report, 4)
                 ? "ok"
                 : "error: the input collection is not plugged";
    }
    if (verb == "stall-after" || verb == "fail-after" || verb == "unplug-after") {
      unsigned n = 0;
      if (!(in >> n)) return "error: a count is needed";
      if (verb == "fail-after") {
        relay_.failAfter(n);
      } else {
        relay_.stallAfter(n);
        pullOnStall_ = verb == "unplug-after";
      }
      return "ok";
    }
    if (verb == "status") {
      std::string s = "ok";
      for (int role = 0; role < VMOUSE_ROLE_COUNT; ++role) {
        s += ' ';
        s += std::to_string(role) + (events_[role] ? "+" : "-");
      }
      return s + " transfers " + std::to_string(mouse_.transfers());
    }
    if (verb == "reset") {  // a mouse fresh from the factory, as the simulated build starts with
      mouse_.setFirmware(k8::FirmwareState::factory(sensorType_));
      relay_.clearFaults();
      pullOnStall_ = false;
      return "ok";
    }
    if (verb == "stop") {
      stop = true;
      return "ok";
    }
    return "error: unknown command";
  }

  std::uint8_t sensorType_;
  k8::SimulatedMouse mouse_;
  Relay relay_;
  std::FILE* log_ = nullptr;
  bool pullOnStall_ = false;  // the armed stall is a pull of the cable
  std::mutex mutex_;          // the firmware, the event connections and the counts
  std::array<HANDLE, VMOUSE_ROLE_COUNT> events_{};
  std::array<int, VMOUSE_ROLE_COUNT> transferConnections_{};
};

}  // namespace

int serve(std::uint8_t sensorType, const std::wstring& logPath) {
  static Host host(sensorType, logPath);
  return host.run();
}

}  // namespace k8vmouse
