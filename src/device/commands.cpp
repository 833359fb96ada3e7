#include "device/commands.h"

#include <algorithm>
#include <cstring>

namespace k8 {
namespace {

constexpr std::uint8_t kDpiCodes0[] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06,
                                       0x07, 0x08, 0x25, 0x26, 0x27, 0x28};
constexpr std::uint8_t kDpiCodes1[] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x23, 0x24, 0x25};
constexpr std::uint8_t kDpiCodes2[] = {0x02, 0x04, 0x06, 0x08, 0x0A, 0x26, 0x28, 0x2A};
constexpr std::uint8_t kDpiCodes3[] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08};

CommandBlock makeBlock(std::uint8_t code, std::uint8_t b1 = 0, std::uint8_t b2 = 0,
                       std::uint8_t b3 = 0, std::uint8_t b4 = 0) {
  return CommandBlock{code, b1, b2, b3, b4, 0, 0, 0};
}

}  // namespace

std::uint8_t dpiCode(std::uint8_t sensorType, std::uint8_t level) {
  std::span<const std::uint8_t> table;
  switch (sensorType) {
    case 0: table = kDpiCodes0; break;
    case 1: table = kDpiCodes1; break;
    case 2: table = kDpiCodes2; break;
    case 3: table = kDpiCodes3; break;
    default: return 0;
  }
  return level < table.size() ? table[level] : table.back();
}

std::array<std::uint8_t, 8> buildDpiStageTable(const MouseSettings& s, std::uint8_t sensorType) {
  std::array<std::uint8_t, 8> table{};
  for (int stage = 0; stage < kDpiStages; ++stage) {
    const std::uint8_t code = dpiCode(sensorType, s.dpiLevel[stage]);
    table[stage] = s.dpiStageEnabled[stage] ? (code & 0x7F) : (code | 0x80);
  }
  for (int stage = kDpiStages; stage < 8; ++stage) table[stage] = 0x80;
  return table;
}

void CommandSet::SetReportRate(std::uint8_t code) {
  CommandBlock b = makeBlock(cmd::kSetReportRate, code);
  t_.exchange(b);
}

void CommandSet::ReadSensorSettings() {
  CommandBlock b = makeBlock(cmd::kReadSensorSettings);
  t_.exchange(b);
  std::copy_n(b.begin() + 1, 4, state_.sensorSettings.begin());
  state_.sensorType = state_.sensorSettings[0];
}

void CommandSet::WriteSensorSettings() {
  const auto& s = state_.sensorSettings;
  CommandBlock b = makeBlock(cmd::kWriteSensorSettings, s[0], s[1], s[2], s[3]);
  t_.exchange(b);
}

void CommandSet::ExchangeSensorSettings() {
  ReadSensorSettings();
  state_.sensorSettings[3] |= 0x40;
  WriteSensorSettings();
}

void CommandSet::ReadLightEffect() {
  CommandBlock b = makeBlock(cmd::kReadLightEffect);
  t_.exchange(b);
  std::copy_n(b.begin() + 1, 3, state_.lightEffect.begin());
}

void CommandSet::WriteLightEffect() {
  const auto& e = state_.lightEffect;
  CommandBlock b = makeBlock(cmd::kWriteLightEffect, e[0], e[1], e[2]);
  t_.exchange(b);
}

void CommandSet::ReadLightParameters() {
  // One block serves both reads: the request for set 1 carries what the reply to set 0 left.
  CommandBlock b = makeBlock(cmd::kReadLightParameters, 0);
  for (std::uint8_t set = 0; set < 2; ++set) {
    b[0] = cmd::kReadLightParameters;
    b[1] = set;
    t_.exchange(b);
    if (b[1] < state_.lightParameters.size()) {
      std::copy_n(b.begin() + 2, 3, state_.lightParameters[b[1]].begin());
    }
    t_.pause(kRepeatedCommandPauseMs);
  }
}

void CommandSet::WriteLightParameters() {
  for (std::uint8_t set = 0; set < 2; ++set) {
    const auto& p = state_.lightParameters[set];
    CommandBlock b = makeBlock(cmd::kWriteLightParameters, set, p[0], p[1], p[2]);
    t_.exchange(b);
    t_.pause(kRepeatedCommandPauseMs);
  }
}

void CommandSet::ReadColourBlocks() {
  for (std::uint8_t n = 0; n < 2; ++n) {
    CommandBlock b = makeBlock(cmd::kReadColourBlock, n);
    std::array<std::uint8_t, kDataPieceSize> piece{};
    t_.blockTransfer(b, piece);
    // The reply names the block; a failed read names block 0 and leaves zeros.
    if (b[1] < state_.colourBlocks.size()) {
      std::copy_n(piece.begin(), state_.colourBlocks[b[1]].size(),
                  state_.colourBlocks[b[1]].begin());
    }
    t_.pause(kRepeatedCommandPauseMs);
  }
}

void CommandSet::WriteColourBlocks() {
  for (std::uint8_t n = 0; n < 2; ++n) {
    CommandBlock b = makeBlock(cmd::kWriteColourBlock, n, 24);
    std::array<std::uint8_t, kDataPieceSize> piece{};
    std::copy(state_.colourBlocks[n].begin(), state_.colourBlocks[n].end(), piece.begin());
    t_.blockTransfer(b, piece);
    t_.pause(kRepeatedCommandPauseMs);
  }
}

void CommandSet::WriteDpiStages() {
  CommandBlock b = makeBlock(cmd::kWriteDpiStages, 4, 8);
  std::array<std::uint8_t, kDataPieceSize> piece{};
  std::copy(state_.dpiStageTable.begin(), state_.dpiStageTable.end(), piece.begin());
  t_.blockTransfer(b, piece);
}

void CommandSet::WriteKeyMatrices() {
  for (std::uint8_t n = 1; n <= 4; ++n) {
    CommandBlock b = makeBlock(cmd::kWriteKeyMatrix, n, 64);
    KeyMatrix payload = state_.keyMatrices[n - 1];
    t_.blockTransfer(b, payload);
    t_.pause(kRepeatedCommandPauseMs);
  }
}

void CommandSet::WriteMacros() {
  for (std::uint8_t n = 1; n <= kMacroCount; ++n) {
    CommandBlock b = makeBlock(cmd::kWriteMacro, n, kMacroImageSize);
    MacroImage payload = state_.macroScratch[n - 1];
    t_.blockTransfer(b, payload);
    t_.pause(kRepeatedCommandPauseMs);
  }
}

void CommandSet::ReadMacros() {
  for (std::uint8_t n = 1; n <= kMacroCount; ++n) {
    CommandBlock b = makeBlock(cmd::kReadMacro, n);
    MacroImage payload{};
    t_.blockTransfer(b, payload);
    // Replies naming a macro outside 1-12 have no place in the scratch.
    if (b[1] >= 1 && b[1] <= kMacroCount) state_.macroScratch[b[1] - 1] = payload;
    t_.pause(kRepeatedCommandPauseMs);
  }
}

}  // namespace k8
