#include "cli.h"

#include <cstdio>
#include <vector>

namespace k8ctl {
namespace {

std::vector<Command>& registry() {
  static std::vector<Command> commands;
  return commands;
}

int usage() {
  std::fprintf(stderr, "usage:\n");
  for (const auto& c : registry()) std::fprintf(stderr, "  k8ctl %s %s\n", c.name, c.usage);
  return kBadInput;
}

}  // namespace

Registration::Registration(const Command& command) { registry().push_back(command); }

int fail(const std::string& message) {
  std::fprintf(stderr, "k8ctl: %s\n", message.c_str());
  return kBadInput;
}

bool takeFlag(Args& args, const std::string& flag) {
  const auto before = args.size();
  std::erase(args, flag);
  return args.size() != before;
}

int run(const Args& args) {
  if (args.empty()) return usage();
  for (const auto& c : registry()) {
    if (args[0] == c.name) return c.run(Args(args.begin() + 1, args.end()));
  }
  std::string names;
  for (const auto& c : registry()) names += (names.empty() ? "" : ", ") + std::string(c.name);
  return fail("unknown command '" + args[0] + "' (commands: " + names + ")");
}

}  // namespace k8ctl
