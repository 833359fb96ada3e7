// k8ctl export / import: a whole profile as one JSON file, for backups and sharing.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "cli.h"
#include "profile.h"

namespace k8ctl {
namespace {

namespace fs = std::filesystem;

// A profile of twelve full macros is far smaller than this.
constexpr std::uintmax_t kProfileSizeLimit = 4 << 20;

int exportProfile(const Args& args) {
  if (args.size() != 1) return fail("usage: k8ctl export DIR > profile.json");
  std::error_code ec;
  if (!fs::is_directory(args[0], ec)) return fail(args[0] + ": not a folder");
  Profile profile;
  std::string error;
  if (!readProfile(args[0], profile, error)) return fail(error);
  std::cout << profileToJson(profile);
  return std::cout.flush() ? kOk : fail("the profile cannot be written to standard output");
}

int importProfile(const Args& args) {
  if (args.size() != 2) return fail("usage: k8ctl import PROFILE_JSON DIR");
  const std::string& file = args[0];
  const std::string& folder = args[1];
  std::error_code ec;
  if (!fs::is_regular_file(file, ec)) return fail(file + ": no such file");
  const auto size = fs::file_size(file, ec);
  if (ec || size > kProfileSizeLimit) return fail(file + ": not a profile (too large)");
  std::ifstream in(file, std::ios::binary);
  const std::string json((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!in && !in.eof()) return fail(file + ": cannot be read");
  if (!fs::is_directory(folder, ec)) return fail(folder + ": not a folder");

  Profile profile;
  std::string error;
  if (!parseProfile(json, profile, error)) return fail(file + ": " + error);
  if (!writeProfile(folder, profile, error)) return fail(error);
  return kOk;
}

const Registration kExport({"export", "DIR > profile.json", exportProfile});
const Registration kImport({"import", "PROFILE_JSON DIR", importProfile});

}  // namespace
}  // namespace k8ctl
