#include "cli.h"

#include <cstdio>
#include <filesystem>
#include <vector>

#include "settings/config_file.h"

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

std::optional<ConfigBin> readConfigBin(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    fail(path + ": no such file");
    return std::nullopt;
  }
  const auto size = std::filesystem::file_size(path, ec);
  if (ec || size != k8::kConfigFileSize) {
    fail(path + ": not a config.bin (" + std::to_string(ec ? 0 : size) + " bytes, expected " +
         std::to_string(k8::kConfigFileSize) + ")");
    return std::nullopt;
  }
  ConfigBin config;
  if (!k8::readConfigImage(path, config.flag, config.settings)) {
    fail(path + ": cannot be read");
    return std::nullopt;
  }
  return config;
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
