// k8vmouse: the hand on the virtual mouse's cable (test equipment).
//   k8vmouse serve [--sensor-type N] [--log FILE]   the firmware, until `stop`
//   k8vmouse plug [ORDER] [--delay MS] [--interfaces NNNN]
//        ORDER: the collections by number (0 mouse, 1 keyboard, 2 feature, 3 input), e.g. 3201;
//        --interfaces: the interface number (MI_0n) of each, in that numbering (default 0123)
//   k8vmouse unplug [ORDER]
//   k8vmouse report KIND VALUE                      input report 6 {6, KIND, 0, VALUE}
//   k8vmouse stall-after N | fail-after N           the transfer after the next N never ends /
//   fails k8vmouse reset                                   factory firmware, no fault armed
//   k8vmouse status | stop
// Exit 0 when done; 1 when it could not be done (message on stderr); 2 for a bad command.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "platform/text.h"
#include "vmouse_protocol.h"
#include "vmouse_win32.h"

namespace {

constexpr int kBadCommand = 2;

int usage() {
  std::fprintf(stderr,
               "usage: k8vmouse serve [--sensor-type N] [--log FILE] | plug [ORDER] [--delay MS]"
               " [--interfaces NNNN]"
               " | unplug [ORDER] | report KIND VALUE | stall-after N | fail-after N"
               " | unplug-after N | reset"
               " | status | stop\n");
  return kBadCommand;
}

bool number(const std::wstring& text, unsigned long limit, unsigned long& value) {
  if (text.empty() || text.size() > 9) return false;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return false;
  }
  value = std::wcstoul(text.c_str(), nullptr, 10);
  return value <= limit;
}

// "3201" -> {3, 2, 0, 1}; each collection once.
bool order(const std::wstring& text, std::vector<int>& roles) {
  for (wchar_t c : text) {
    const int role = c - L'0';
    if (role < 0 || role >= VMOUSE_ROLE_COUNT) return false;
    for (int seen : roles) {
      if (seen == role) return false;
    }
    roles.push_back(role);
  }
  return !roles.empty();
}

std::filesystem::path programFolder() {
  wchar_t path[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::filesystem::path(std::wstring(path, n)).parent_path();
}

int askHost(const std::string& request) {
  const std::wstring name = std::wstring(L"\\\\.\\pipe\\") + VMOUSE_CONTROL_PIPE_NAME;
  char reply[512] = {};
  DWORD got = 0;
  if (!CallNamedPipeW(name.c_str(), const_cast<char*>(request.data()),
                      static_cast<DWORD>(request.size()), reply, sizeof reply - 1, &got, 5000)) {
    std::fprintf(stderr, "k8vmouse: no virtual mouse host runs (error %lu)\n", GetLastError());
    return 1;
  }
  const std::string text(reply, got);
  if (text.rfind("ok", 0) != 0) {
    std::fprintf(stderr, "k8vmouse: %s\n", text.c_str());
    return 1;
  }
  if (text.size() > 3) std::printf("%s\n", text.c_str() + 3);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return usage();
  const std::wstring verb = argv[1];
  std::vector<std::wstring> args(argv + 2, argv + argc);
  unsigned long a = 0, b = 0;

  if (verb == L"serve") {
    unsigned long sensor = 0;
    std::wstring log = (programFolder() / L"vmouse-wire.log").wstring();
    for (std::size_t i = 0; i < args.size(); ++i) {
      if (args[i] == L"--sensor-type" && i + 1 < args.size() && number(args[i + 1], 255, sensor)) {
        ++i;
      } else if (args[i] == L"--log" && i + 1 < args.size()) {
        log = args[++i];
      } else {
        return usage();
      }
    }
    return k8vmouse::serve(static_cast<std::uint8_t>(sensor), log);
  }
  if (verb == L"plug" || verb == L"unplug") {
    std::vector<int> roles, interfaces;
    unsigned long delay = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
      if (verb == L"plug" && args[i] == L"--delay" && i + 1 < args.size() &&
          number(args[i + 1], 60000, delay)) {
        ++i;
      } else if (verb == L"plug" && args[i] == L"--interfaces" && i + 1 < args.size() &&
                 args[i + 1].size() == VMOUSE_ROLE_COUNT && order(args[i + 1], interfaces)) {
        ++i;
      } else if (!roles.empty() || !order(args[i], roles)) {
        return usage();
      }
    }
    const bool all = roles.empty();
    if (all) roles = {0, 1, 2, 3};
    if (interfaces.empty()) interfaces = {0, 1, 2, 3};
    bool ok = true, any = false;
    for (std::size_t i = 0; i < roles.size(); ++i) {
      if (i && delay) std::this_thread::sleep_for(std::chrono::milliseconds(delay));
      const bool done = verb == L"plug"
                            ? k8vmouse::plug(roles[i], interfaces[roles[i]], programFolder())
                            : k8vmouse::unplug(roles[i], all);
      ok = ok && done;
      any = any || done;
    }
    // Unplugging "everything" succeeds when something went; the rest was not there.
    if (verb == L"unplug" && all) {
      if (!any) std::fprintf(stderr, "k8vmouse: the virtual mouse is not plugged\n");
      return any ? 0 : 1;
    }
    return ok ? 0 : 1;
  }
  if (verb == L"report" && args.size() == 2 && number(args[0], 255, a) && number(args[1], 255, b)) {
    return askHost("report " + std::to_string(a) + " " + std::to_string(b));
  }
  if ((verb == L"stall-after" || verb == L"fail-after" || verb == L"unplug-after") &&
      args.size() == 1 && number(args[0], 1000000, a)) {
    return askHost(k8::toUtf8(verb) + " " + std::to_string(a));
  }
  if ((verb == L"status" || verb == L"stop" || verb == L"reset") && args.empty())
    return askHost(k8::toUtf8(verb));
  return usage();
}
