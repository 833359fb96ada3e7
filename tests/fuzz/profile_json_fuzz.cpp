// Any bytes as a profile for k8ctl import: the parser either names a bad field or accepts a
// profile whose every value is in range, and an accepted profile exports to a file that parses
// back to the same export. The same bytes as record.ini: whatever export makes of it imports,
// and the imported record.ini exports the same again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "macros/macro_encoder.h"
#include "macros/macro_file.h"
#include "platform/profile_text.h"
#include "profile.h"

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

void exportOfRecordIniImports(std::string_view bytes) {
  k8::MouseSettings settings{};
  const k8::MemoryProfile recordIni(bytes);
  const std::string json = k8ctl::macrosToJson(k8ctl::readMacros(recordIni, settings));
  std::vector<k8ctl::ProfileMacro> imported;
  std::string error;
  check(k8ctl::parseMacros(json, imported, error));

  // Writing a profile file key by key takes time with the square of its lines: a few bytes of
  // "ItemCount=4096" would make the fuzzer crawl. The import above is checked for all.
  std::size_t lines = 0;
  for (const auto& m : imported) lines += m.lines.size();
  if (lines > 512) return;

  k8::MemoryProfile written;
  check(k8ctl::writeMacros(written, imported));
  auto again = k8ctl::readMacros(written, settings);
  check(again.size() == imported.size());
  for (std::size_t k = 0; k < again.size(); ++k)
    again[k].loops = imported[k].loops;  // import puts them on the images
  check(k8ctl::macrosToJson(again) == json);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  exportOfRecordIniImports(bytes);
  k8ctl::Profile profile;
  std::string error;
  if (!k8ctl::parseProfile(bytes, profile, error)) {
    check(!error.empty());
    return 0;
  }
  check(profile.macros.size() <= static_cast<std::size_t>(k8::kMacroLimit));
  std::size_t names = 0;
  for (const auto& m : profile.macros) {
    check(!m.name.empty());
    names += m.name.size() + 1;
  }
  check(names <= k8::kMacroNameListLimit);

  const std::string once = k8ctl::profileToJson(profile);
  k8ctl::Profile again;
  check(k8ctl::parseProfile(once, again, error));
  check(k8ctl::profileToJson(again) == once);
  return 0;
}
