#pragma once
// k8ctl's sub-commands register themselves here; each lives in its own file.

#include <string>
#include <vector>

namespace k8ctl {

using Args = std::vector<std::string>;

// Exit statuses: 0 done, 2 bad input (one line on stderr, no file changed).
inline constexpr int kOk = 0;
inline constexpr int kBadInput = 2;

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
// Prints "k8ctl: MESSAGE" on stderr and returns kBadInput.
int fail(const std::string& message);

}  // namespace k8ctl
