// Framing of command blocks and data reports, against a recording device.
#include "device/transport.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

using namespace k8;

namespace {

// Records what the transport hands over and answers with scripted replies.
class FakeDevice : public HidDevice {
 public:
  std::vector<std::vector<std::uint8_t>> sets, writes;
  std::vector<std::size_t> getLengths, readLengths;
  std::vector<std::uint8_t> reply;  // bytes of the next get-feature, report id first
  std::uint8_t readFill = 0xAB;
  bool fail = false;
  // How many command blocks had been sent at each discard, and whether it waited for late ones.
  std::vector<std::pair<std::size_t, bool>> discards;

  HidAttributes attributes() override { return {}; }
  HidCaps caps() override { return {}; }
  bool setFeature(const std::uint8_t* r, std::size_t n) override {
    sets.emplace_back(r, r + n);
    return !fail;
  }
  bool getFeature(std::uint8_t* r, std::size_t n) override {
    getLengths.push_back(n);
    if (fail) return false;
    for (std::size_t i = 0; i < n && i < reply.size(); ++i) r[i] = reply[i];
    return true;
  }
  bool writeReport(const std::uint8_t* r, std::size_t n) override {
    writes.emplace_back(r, r + n);
    return !fail;
  }
  bool readReport(std::uint8_t* r, std::size_t n) override {
    readLengths.push_back(n);
    if (fail) {
      r[1] = 0x55;  // garbage a failed read must not leave behind
      return false;
    }
    for (std::size_t i = 1; i < n; ++i) r[i] = readFill;
    return true;
  }
  InputReadResult readInput(std::uint8_t*, std::size_t, std::size_t&) override {
    return InputReadResult::Failed;
  }
  void cancelInput() override {}
  void discardQueuedInput(std::size_t, bool late) override {
    discards.emplace_back(sets.size(), late);
  }
};

struct TransportTest : ::testing::Test {
  FakeDevice dev;
  std::vector<unsigned> pauses;
  Transport t{&dev, {9, 33, 33}, [this](unsigned ms) { pauses.push_back(ms); }};
};

TEST_F(TransportTest, CommandBlockGetsItsChecksumWhateverTheCallerPutThere) {
  CommandBlock b{0x01, 0x08, 0, 0, 0, 0, 0, 0x99};
  t.exchange(b);
  ASSERT_EQ(dev.sets.size(), 1u);
  EXPECT_EQ(dev.sets[0], (std::vector<std::uint8_t>{0, 0x01, 0x08, 0, 0, 0, 0, 0, 0xF6}));
  EXPECT_TRUE(dev.getLengths.empty());  // a write command reads nothing back
  EXPECT_TRUE(pauses.empty());          // Exchange never waits

  dev.reply = {0, 0x83, 1, 2, 3, 4, 0, 0, 0x55};
  CommandBlock r{0x83};
  t.exchange(r);
  EXPECT_EQ(dev.sets[1].back(), 0x7C);
  EXPECT_EQ(r, (CommandBlock{0x83, 1, 2, 3, 4, 0, 0, 0x55}));
}

TEST_F(TransportTest, FailedReadsYieldZeros) {
  dev.fail = true;
  CommandBlock r{0x8D, 1, 2, 3, 4, 5, 6, 7};
  t.exchange(r);
  EXPECT_EQ(r, (CommandBlock{}));

  CommandBlock block{0x90, 0};
  std::array<std::uint8_t, 32> piece;
  piece.fill(0x11);
  t.blockTransfer(block, piece);
  EXPECT_EQ(block, (CommandBlock{}));  // reply length 0: no data report read
  EXPECT_TRUE(dev.readLengths.empty());
}

TEST_F(TransportTest, BlockWriteSendsWholePiecesAndPausesAfterEach) {
  std::array<std::uint8_t, 32> piece{};
  for (std::size_t i = 0; i < piece.size(); ++i) piece[i] = static_cast<std::uint8_t>(i + 1);
  CommandBlock b{0x10, 1, 24};
  t.blockTransfer(b, piece);
  ASSERT_EQ(dev.writes.size(), 1u);
  ASSERT_EQ(dev.writes[0].size(), 33u);
  EXPECT_EQ(dev.writes[0][0], 0);
  EXPECT_EQ(dev.writes[0][32], 32);  // the last 8 bytes come from the caller's buffer
  EXPECT_EQ(pauses, (std::vector<unsigned>{3}));

  std::array<std::uint8_t, 128> macro{};
  CommandBlock m{0x13, 12, 128};
  t.blockTransfer(m, macro);
  EXPECT_EQ(dev.writes.size(), 5u);
  EXPECT_EQ(pauses.size(), 5u);
}

TEST_F(TransportTest, BlockReadIsLimitedByTheCallersBufferAndTheReportBuffer) {
  dev.reply = {0, 0x93, 1, 0xFF, 0, 0, 0, 0, 0};  // claims 255 bytes
  std::array<std::uint8_t, 64 + 1> buffer{};
  buffer.back() = 0x77;  // sentinel just past the two pieces the buffer holds
  CommandBlock b{0x93, 1};
  t.blockTransfer(b, std::span<std::uint8_t>(buffer.data(), 64));
  EXPECT_EQ(dev.readLengths.size(), 2u);
  EXPECT_EQ(buffer[63], 0xAB);
  EXPECT_EQ(buffer.back(), 0x77);

  // A collection claiming longer reports than the fixed buffers gets only the buffers.
  FakeDevice big;
  Transport wide(&big, {64, 200, 200}, nullptr);
  big.reply = {0, 0x90, 0, 24};
  std::array<std::uint8_t, 32> piece{};
  CommandBlock c{0x90, 0};
  wide.blockTransfer(c, piece);
  EXPECT_EQ(big.sets[0].size(), kDataBufferSize);
  EXPECT_EQ(big.getLengths[0], kDataBufferSize);
  EXPECT_EQ(big.readLengths[0], kDataBufferSize);
  CommandBlock d{0x01, 1};
  wide.exchange(d);
  EXPECT_EQ(big.sets[1].size(), kFeatureBufferSize);
}

TEST(TransportWithoutDevice, EverythingFailsSilently) {
  Transport t(nullptr, {9, 33, 33}, nullptr);
  CommandBlock b{0x83, 5};
  t.exchange(b);
  EXPECT_EQ(b, (CommandBlock{}));
  std::array<std::uint8_t, 64> payload{};
  CommandBlock w{0x12, 1, 64};
  t.blockTransfer(w, payload);
}

}  // namespace

TEST_F(TransportTest, CountsEveryTransferTheMouseDidNotTake) {
  CommandBlock ok{0x01, 0x08};
  t.exchange(ok);
  EXPECT_EQ(t.failedTransfers(), 0u);

  dev.fail = true;
  CommandBlock read{0x8D};
  t.exchange(read);  // the command and its reply
  EXPECT_EQ(t.failedTransfers(), 2u);
  std::array<std::uint8_t, 64> payload{};
  CommandBlock write{0x10, 1, 48};
  t.blockTransfer(write, payload);  // the command and both data reports
  EXPECT_EQ(t.failedTransfers(), 5u);

  Transport none(nullptr, {9, 33, 33}, nullptr);
  CommandBlock b{0x83};
  none.exchange(b);
  EXPECT_EQ(none.failedTransfers(), 2u);
}

// Data reports left over from a block read whose reply was lost must not become the next one's.
TEST_F(TransportTest, OnlyABlockReadDropsQueuedReportsAndBeforeItsCommand) {
  std::array<std::uint8_t, 64> payload{};
  CommandBlock write{0x10, 0, 24};
  t.blockTransfer(write, payload);
  CommandBlock read{0x83};
  t.exchange(read);
  EXPECT_TRUE(dev.discards.empty());
  dev.reply = {0, 0x90, 0, 24};
  CommandBlock blockRead{0x90, 0};
  t.blockTransfer(blockRead, payload);
  using Discards = std::vector<std::pair<std::size_t, bool>>;
  EXPECT_EQ(dev.discards, (Discards{{2, false}}));
  // A lost reply: what the mouse sends behind it is dropped too, on its way or not.
  dev.fail = true;
  t.blockTransfer(blockRead, payload);
  EXPECT_EQ(dev.discards, (Discards{{2, false}, {3, false}, {4, true}}));
}
