#include "app/sim_channel.h"

#include <charconv>

#include "settings/mouse_settings.h"

namespace k8 {

namespace {

// A decimal number below `limit`, digits only.
std::optional<unsigned> number(const std::string& word, unsigned limit) {
  unsigned value = 0;
  const char* end = word.data() + word.size();
  const auto [ptr, ec] = std::from_chars(word.data(), end, value);
  if (word.empty() || ec != std::errc{} || ptr != end || value >= limit) return std::nullopt;
  return value;
}

std::optional<std::uint8_t> byteValue(const std::string& word) {
  const auto value = number(word, 256);
  if (!value) return std::nullopt;
  return static_cast<std::uint8_t>(*value);
}

}  // namespace

std::optional<SimCommand> parseSimCommand(const std::vector<std::string>& words) {
  if (words.empty()) return std::nullopt;
  SimCommand c;
  if (words[0] == "plug" && words.size() == 1) {
    c.kind = SimCommand::Kind::Plug;
    return c;
  }
  if (words[0] == "unplug" && words.size() == 1) {
    c.kind = SimCommand::Kind::Unplug;
    return c;
  }
  if (words[0] == "unplug-after" && words.size() == 2) {
    const auto transfers = number(words[1], kMaxUnplugAfter);
    if (!transfers) return std::nullopt;
    c.kind = SimCommand::Kind::UnplugAfter;
    c.transfers = *transfers;
    return c;
  }
  if (words[0] == "set" && words.size() == 3) {
    const auto offset = number(words[1], sizeof(MouseSettings));
    const auto value = byteValue(words[2]);
    if (!offset || !value) return std::nullopt;
    c.kind = SimCommand::Kind::Set;
    c.offset = static_cast<std::uint16_t>(*offset);
    c.value = *value;
    return c;
  }
  if (words[0] == "scale" && words.size() == 2) {
    const auto dpi = number(words[1], kMaxSimDpi + 1);
    if (!dpi || *dpi < kMinSimDpi) return std::nullopt;
    c.kind = SimCommand::Kind::Scale;
    c.dpi = *dpi;
    return c;
  }
  if (words[0] != "report" || words.size() < 3 || words.size() > 4) return std::nullopt;
  c.kind = SimCommand::Kind::Report;
  const auto kind = byteValue(words[1]);
  const auto value = byteValue(words[2]);
  const auto id = words.size() == 4 ? byteValue(words[3]) : std::optional<std::uint8_t>{6};
  if (!kind || !value || !id) return std::nullopt;
  c.reportKind = *kind;
  c.value = *value;
  c.reportId = *id;
  return c;
}

std::optional<SimCommand> parseSimCommand(std::string_view line) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && line[i] == ' ') ++i;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ') ++i;
    if (i > start) words.emplace_back(line.substr(start, i - start));
  }
  return parseSimCommand(words);
}

std::string formatSimCommand(const SimCommand& command) {
  switch (command.kind) {
    case SimCommand::Kind::Plug: return "plug";
    case SimCommand::Kind::Unplug: return "unplug";
    case SimCommand::Kind::UnplugAfter: return "unplug-after " + std::to_string(command.transfers);
    case SimCommand::Kind::Set:
      return "set " + std::to_string(command.offset) + ' ' + std::to_string(command.value);
    case SimCommand::Kind::Scale: return "scale " + std::to_string(command.dpi);
    case SimCommand::Kind::Report: break;
  }
  return "report " + std::to_string(command.reportKind) + ' ' + std::to_string(command.value) +
         ' ' + std::to_string(command.reportId);
}

std::vector<std::uint8_t> simInputReport(const SimCommand& command, std::size_t length) {
  std::vector<std::uint8_t> report(std::max<std::size_t>(length, 4), 0);
  report[0] = command.reportId;
  report[1] = command.reportKind;
  report[3] = command.value;
  return report;
}

}  // namespace k8
