// Any bytes as a profile for k8ctl import: the parser either names a bad field or accepts a
// profile whose every value is in range, and an accepted profile exports to a file that parses
// back to the same export.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "macros/macro_encoder.h"
#include "macros/macro_file.h"
#include "profile.h"

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  k8ctl::Profile profile;
  std::string error;
  if (!k8ctl::parseProfile(bytes, profile, error)) {
    check(!error.empty());
    return 0;
  }
  check(profile.macros.size() <= static_cast<std::size_t>(k8::kMacroLimit));
  std::size_t names = 0;
  for (const auto& m : profile.macros) {
    check(!m.name.empty() && m.name.size() <= k8::kMacroNameLimit);
    check(k8::macroPairCount(m.lines) <= k8::kMacroPairLimit);
    names += m.name.size() + 1;
  }
  check(names <= k8::kMacroNameListLimit);

  const std::string once = k8ctl::profileToJson(profile);
  k8ctl::Profile again;
  check(k8ctl::parseProfile(once, again, error));
  check(k8ctl::profileToJson(again) == once);
  return 0;
}
