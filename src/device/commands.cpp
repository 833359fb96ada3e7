#include "device/commands.h"

#include <algorithm>
#include <cstring>

namespace k8 {
namespace {

CommandBlock makeBlock(std::uint8_t code, std::uint8_t b1 = 0, std::uint8_t b2 = 0,
                       std::uint8_t b3 = 0, std::uint8_t b4 = 0) {
  return CommandBlock{code, b1, b2, b3, b4, 0, 0, 0};
}

// One block write per numbered payload, 2 ms after each. The payload is sent from a copy: the
// transport may write into it.
template <std::uint8_t Code, class Payloads>
void writeNumbered(Transport& t, const Payloads& payloads) {
  constexpr auto& c = command(Code);
  for (std::uint8_t n = c.firstNumber; n < c.firstNumber + c.numbers; ++n) {
    CommandBlock b = makeBlock(c.code, n, c.length);
    auto payload = payloads[n - c.firstNumber];
    t.blockTransfer(b, payload);
    t.pause(kRepeatedCommandPauseMs);
  }
}

}  // namespace

void CommandSet::SetReportRate(std::uint8_t code) {
  CommandBlock b = makeBlock(cmd::kSetReportRate, code);
  t_.exchange(b);
}

void CommandSet::ReadSensorSettings() {
  constexpr auto& c = command(cmd::kReadSensorSettings);
  CommandBlock b = makeBlock(c.code);
  if (!t_.exchange(b)) return;
  std::copy_n(b.begin() + 1, c.length, state_.sensorSettings.begin());
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
  constexpr auto& c = command(cmd::kReadLightEffect);
  CommandBlock b = makeBlock(c.code);
  if (!t_.exchange(b)) return;
  std::copy_n(b.begin() + 1, c.length, state_.lightEffect.begin());
}

void CommandSet::WriteLightEffect() {
  const auto& e = state_.lightEffect;
  CommandBlock b = makeBlock(cmd::kWriteLightEffect, e[0], e[1], e[2]);
  t_.exchange(b);
}

void CommandSet::ReadLightParameters() {
  constexpr auto& c = command(cmd::kReadLightParameters);
  // One block serves both reads: the request for set 1 carries what the reply to set 0 left.
  CommandBlock b = makeBlock(c.code, c.firstNumber);
  for (std::uint8_t set = c.firstNumber; set < c.firstNumber + c.numbers; ++set) {
    b[0] = c.code;
    b[1] = set;
    if (t_.exchange(b) && b[1] < state_.lightParameters.size()) {
      std::copy_n(b.begin() + 2, c.length, state_.lightParameters[b[1]].begin());
    }
    t_.pause(kRepeatedCommandPauseMs);
  }
}

void CommandSet::WriteLightParameters() {
  constexpr auto& c = command(cmd::kWriteLightParameters);
  for (std::uint8_t set = c.firstNumber; set < c.firstNumber + c.numbers; ++set) {
    const auto& p = state_.lightParameters[set];
    CommandBlock b = makeBlock(c.code, set, p[0], p[1], p[2]);
    t_.exchange(b);
    t_.pause(kRepeatedCommandPauseMs);
  }
}

void CommandSet::ReadColourBlocks() {
  constexpr auto& c = command(cmd::kReadColourBlock);
  for (std::uint8_t n = c.firstNumber; n < c.firstNumber + c.numbers; ++n) {
    CommandBlock b = makeBlock(c.code, n);
    std::array<std::uint8_t, kDataPieceSize> piece{};
    // The reply names the block.
    if (t_.blockTransfer(b, piece) && b[1] < state_.colourBlocks.size()) {
      std::copy_n(piece.begin(), c.length, state_.colourBlocks[b[1]].begin());
    }
    t_.pause(kRepeatedCommandPauseMs);
  }
}

void CommandSet::WriteColourBlocks() {
  constexpr auto& c = command(cmd::kWriteColourBlock);
  for (std::uint8_t n = c.firstNumber; n < c.firstNumber + c.numbers; ++n) {
    CommandBlock b = makeBlock(c.code, n, c.length);
    std::array<std::uint8_t, kDataPieceSize> piece{};
    std::copy(state_.colourBlocks[n].begin(), state_.colourBlocks[n].end(), piece.begin());
    t_.blockTransfer(b, piece);
    t_.pause(kRepeatedCommandPauseMs);
  }
}

void CommandSet::WriteDpiStages() {
  constexpr auto& c = command(cmd::kWriteDpiStages);
  CommandBlock b = makeBlock(c.code, kDeviceDpiStages, c.length);
  std::array<std::uint8_t, kDataPieceSize> piece{};
  std::copy(state_.dpiStageTable.begin(), state_.dpiStageTable.end(), piece.begin());
  t_.blockTransfer(b, piece);
}

void CommandSet::WriteKeyMatrices() { writeNumbered<cmd::kWriteKeyMatrix>(t_, state_.keyMatrices); }

void CommandSet::WriteMacros() { writeNumbered<cmd::kWriteMacro>(t_, state_.macroScratch); }

void CommandSet::ReadMacros() {
  constexpr auto& c = command(cmd::kReadMacro);
  for (std::uint8_t n = c.firstNumber; n < c.firstNumber + c.numbers; ++n) {
    CommandBlock b = makeBlock(c.code, n);
    MacroPayload payload{};
    // Replies naming a macro the scratch has no place for are dropped.
    if (t_.blockTransfer(b, payload) && b[1] >= c.firstNumber && b[1] < c.firstNumber + c.numbers) {
      state_.macroScratch[b[1] - c.firstNumber] = payload;
    }
    t_.pause(kRepeatedCommandPauseMs);
  }
}

}  // namespace k8
