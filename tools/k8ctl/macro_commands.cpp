// k8ctl macros / encode-macros: record.ini on the command line.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "cli.h"
#include "json_fields.h"
#include "macros/macro_encoder.h"
#include "macros/macro_file.h"
#include "macros/macro_lines.h"
#include "platform/system_profile.h"
#include "platform/text.h"
#include "settings/config_file.h"
#include "settings/key_tables.h"

namespace k8ctl {
namespace {

using namespace k8;

// record.ini must be there and readable; prints the reason otherwise.
bool checkRecordIni(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    fail(path + ": no such file");
    return false;
  }
  if (!std::ifstream(path, std::ios::binary)) {
    fail(path + ": cannot be read");
    return false;
  }
  return true;
}

Json lineToJson(const std::wstring& line) {
  Json j;
  j["line"] = toUtf8(line);
  switch (lineKind(line)) {
    case LineKind::Press:
    case LineKind::Release: {
      const std::wstring name = eventKeyName(line);
      j["kind"] = lineKind(line) == LineKind::Press ? "press" : "release";
      j["key"] = toUtf8(name);
      j["usage"] = keyUsage(name);  // 0: no key of that name (the encoder skips the event)
      break;
    }
    case LineKind::Delay:
      j["kind"] = "delay";
      j["ms"] = delayOf(line);
      break;
  }
  return j;
}

int macrosJson(const ProfileFile& file, const std::vector<std::wstring>& names) {
  Json list = Json::array();
  for (std::size_t k = 0; k < names.size(); ++k) {
    const auto lines = loadMacroLines(file, names[k]);
    const std::size_t pairs = macroPairCount(lines);
    Json m;
    m["number"] = k;
    m["name"] = toUtf8(names[k]);
    m["lineCount"] = lines.size();
    m["pairs"] = pairs;
    m["cutWhenEncoded"] = pairs > kMacroPairLimit;
    m["image"] = k < static_cast<std::size_t>(kMacroLimit) ? Json(k + 1) : Json(nullptr);
    Json items = Json::array();
    for (const auto& line : lines) items.push_back(lineToJson(line));
    m["lines"] = items;
    list.push_back(m);
  }
  std::cout << Json{{"macros", list}}.dump(2, ' ', false, Json::error_handler_t::replace) << "\n";
  return kOk;
}

int macros(const Args& in) {
  Args args = in;
  const bool json = takeFlag(args, "--json");
  if (args.size() != 1) return fail("usage: k8ctl macros RECORD_INI [--json]");
  if (!checkRecordIni(args[0])) return kBadInput;
  const SystemProfile file(args[0]);
  const auto names = listMacroNames(file);
  if (json) return macrosJson(file, names);
  for (std::size_t k = 0; k < names.size(); ++k) {
    const auto lines = loadMacroLines(file, names[k]);
    const std::size_t pairs = macroPairCount(lines);
    std::printf("%zu %s: %zu lines, %zu pairs%s%s\n", k, toUtf8(names[k]).c_str(), lines.size(),
                pairs, pairs > kMacroPairLimit ? " (cut at 63 when encoded)" : "",
                k >= static_cast<std::size_t>(kMacroLimit) ? " (beyond the twelve images)" : "");
    for (const auto& line : lines) std::printf("  %s\n", toUtf8(line).c_str());
  }
  return kOk;
}

int encodeMacros(const Args& args) {
  if (args.size() != 2) return fail("usage: k8ctl encode-macros RECORD_INI CONFIG_BIN");
  const std::string& recordIni = args[0];
  const std::string& configBin = args[1];
  if (!checkRecordIni(recordIni)) return kBadInput;
  auto loaded = readConfigBin(configBin);
  if (!loaded) return kBadInput;
  EncodeMacros(SystemProfile(recordIni), loaded->settings);
  std::error_code ec;
  if (!writeConfigImage(configBin, loaded->flag, loaded->settings, ec)) {
    return fail(configBin + ": cannot be written (" + ec.message() + ")");
  }
  return kOk;
}

const Registration kMacros({"macros", "RECORD_INI [--json]", macros});
const Registration kEncodeMacros({"encode-macros", "RECORD_INI CONFIG_BIN", encodeMacros});

}  // namespace
}  // namespace k8ctl
