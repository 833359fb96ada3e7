#pragma once
// Every command the mouse knows, once: its code, what kind of transfer carries it, how many bytes
// it carries and which numbers it takes in byte 1. The command set builds its blocks from this
// table and the simulated mouse answers by it.

#include <cstdint>

namespace k8 {

namespace cmd {
inline constexpr std::uint8_t kSetReportRate = 0x01;
inline constexpr std::uint8_t kWriteSensorSettings = 0x03;
inline constexpr std::uint8_t kReadSensorSettings = 0x83;
inline constexpr std::uint8_t kWriteLightParameters = 0x07;
inline constexpr std::uint8_t kReadLightParameters = 0x87;
inline constexpr std::uint8_t kWriteLightEffect = 0x0D;
inline constexpr std::uint8_t kReadLightEffect = 0x8D;
inline constexpr std::uint8_t kWriteColourBlock = 0x10;
inline constexpr std::uint8_t kReadColourBlock = 0x90;
inline constexpr std::uint8_t kWriteDpiStages = 0x11;
inline constexpr std::uint8_t kWriteKeyMatrix = 0x12;
inline constexpr std::uint8_t kWriteMacro = 0x13;
inline constexpr std::uint8_t kReadMacro = 0x93;
}  // namespace cmd

enum class CommandOperation : std::uint8_t {
  Write,       // the values travel in the command block
  Read,        // the reply carries them in the same places
  BlockWrite,  // the values follow as data reports; byte 2 states their length
  BlockRead,   // the reply states the length in byte 2; data reports follow
};

struct CommandInfo {
  std::uint8_t code;
  CommandOperation operation;
  std::uint8_t
      length;  // value bytes: in the block (from byte 1, or byte 2 when numbered) or payload
  std::uint8_t firstNumber = 0;  // numbered commands name their target in byte 1 ...
  std::uint8_t numbers = 0;      // ... one of this many from firstNumber; 0: not numbered
};

// Data reports of block commands carry the payload in 32-byte pieces.
inline constexpr CommandInfo kCommandTable[] = {
    {cmd::kSetReportRate, CommandOperation::Write, 1},
    {cmd::kWriteSensorSettings, CommandOperation::Write, 4},
    {cmd::kReadSensorSettings, CommandOperation::Read, 4},
    {cmd::kWriteLightParameters, CommandOperation::Write, 3, 0, 2},
    {cmd::kReadLightParameters, CommandOperation::Read, 3, 0, 2},
    {cmd::kWriteLightEffect, CommandOperation::Write, 3},
    {cmd::kReadLightEffect, CommandOperation::Read, 3},
    {cmd::kWriteColourBlock, CommandOperation::BlockWrite, 24, 0, 2},
    {cmd::kReadColourBlock, CommandOperation::BlockRead, 24, 0, 2},
    {cmd::kWriteDpiStages, CommandOperation::BlockWrite, 8},  // byte 1: the stage count, 4
    {cmd::kWriteKeyMatrix, CommandOperation::BlockWrite, 64, 1, 4},
    {cmd::kWriteMacro, CommandOperation::BlockWrite, 128, 1, 12},
    {cmd::kReadMacro, CommandOperation::BlockRead, 128, 1, 12},
};

// The row of a code; nullptr for a code the mouse does not know.
constexpr const CommandInfo* findCommand(std::uint8_t code) {
  for (const CommandInfo& c : kCommandTable) {
    if (c.code == code) return &c;
  }
  return nullptr;
}

constexpr const CommandInfo& command(std::uint8_t code) { return *findCommand(code); }

// A read command is its write command's code with bit 7 set; both reach the same values.
constexpr bool isRead(std::uint8_t code) { return (code & 0x80) != 0; }

}  // namespace k8
