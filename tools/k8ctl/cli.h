#pragma once
// k8ctl's sub-commands register themselves here; each lives in its own file.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/mouse_settings.h"

namespace k8ctl {

using Args = std::vector<std::string>;

// Exit statuses: 0 done, 2 bad input (one line on stderr, no file changed); apply to the real
// mouse adds 3 (no mouse found) and 4 (the mouse did not take every transfer).
inline constexpr int kOk = 0;
inline constexpr int kBadInput = 2;
inline constexpr int kNoMouse = 3;
inline constexpr int kNotTaken = 4;

struct Command {
  const char* name;
  const char* usage;
  int (*run)(const Args& args);  // args after the command name
};

// Adds a command at static-initialisation time (see the K8CTL_COMMAND uses).
struct Registration {
  explicit Registration(const Command& command);
};

int run(const Args& args);
// Removes `flag` from args; true if it was there.
bool takeFlag(Args& args, const std::string& flag);
// Prints "k8ctl: MESSAGE" on stderr and returns kBadInput.
int fail(const std::string& message);

struct ConfigBin {
  std::uint8_t flag = 0;  // config.bin's first byte: 0 as installed, 1 saved by the program
  k8::MouseSettings settings{};
};
// Reads CONFIG_BIN, a file of exactly config.bin's size; otherwise prints why and returns nullopt.
std::optional<ConfigBin> readConfigBin(const std::string& path);

}  // namespace k8ctl
