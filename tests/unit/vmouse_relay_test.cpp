// The virtual mouse's firmware side: what a device in the HID stack does that the simulated
// mouse alone does not (pushed data reports, transfers that never end), with the same wire log.
#include "../vmouse/vmouse_relay.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/transport.h"

using namespace k8;
using k8vmouse::Relay;
using k8vmouse::Status;

namespace {

std::array<std::uint8_t, 8> block(std::array<std::uint8_t, 8> b) {
  b[7] = commandChecksum(b);
  return b;
}

TEST(VmouseRelay, ABlockReadsDataReportsFollowItsReplyInTheAnswerAndTheLog) {
  SimulatedMouse mouse;
  Relay relay(mouse);
  EXPECT_EQ(relay.setFeature(block({0x90, 0x00, 0, 0, 0, 0, 0})).status, Status::Ok);
  const auto answer = relay.getFeature();
  EXPECT_EQ(answer.status, Status::Ok);
  EXPECT_EQ(answer.reply[2], 24);  // the payload length the mouse states
  ASSERT_EQ(answer.dataReports.size(), 1u);
  EXPECT_EQ(answer.dataReports[0][0], 0x40);  // colour block 0 of the factory firmware
  const auto log = mouse.wireLog();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[1].rfind("get_feature 00 90 00 18", 0), 0u);
  EXPECT_EQ(log[2].rfind("read 00 40 41", 0), 0u);
  EXPECT_EQ(mouse.queuedDataReports(), 0u);
}

TEST(VmouseRelay, AFailedReplyStillSendsTheDataReportsAsTheMouseWould) {
  SimulatedMouse mouse;
  Relay relay(mouse);
  relay.setFeature(block({0x90, 0x00, 0, 0, 0, 0, 0}));
  relay.failAfter(0);
  const auto answer = relay.getFeature();
  EXPECT_EQ(answer.status, Status::Fail);
  EXPECT_EQ(answer.reply, (std::array<std::uint8_t, 8>{}));
  EXPECT_EQ(answer.dataReports.size(), 1u);
}

TEST(VmouseRelay, AStallHoldsExactlyTheChosenTransferOnceAndTheFirmwareNeverSeesIt) {
  SimulatedMouse mouse;
  Relay relay(mouse);
  relay.stallAfter(1);
  const auto write = block({0x01, 0x08, 0, 0, 0, 0, 0});  // report rate 125 Hz
  EXPECT_EQ(relay.setFeature(block({0x01, 0x02, 0, 0, 0, 0, 0})).status, Status::Ok);
  EXPECT_EQ(relay.setFeature(write).status, Status::Stall);
  EXPECT_EQ(mouse.firmware().reportRate, 0x02);
  EXPECT_EQ(mouse.wireLog().size(), 1u);
  EXPECT_EQ(relay.setFeature(write).status, Status::Ok);  // the next one goes through
  EXPECT_EQ(mouse.firmware().reportRate, 0x08);

  // A stall that falls on a pushed data report stops the push: that report never arrives.
  relay.setFeature(block({0x90, 0x00, 0, 0, 0, 0, 0}));
  relay.stallAfter(1);
  EXPECT_TRUE(relay.getFeature().dataReports.empty());
  relay.clearFaults();
  relay.stallAfter(5);
  relay.failAfter(0);
  relay.clearFaults();
  EXPECT_EQ(relay.setFeature(write).status, Status::Ok);
}

TEST(VmouseRelay, WrittenDataReportsReachTheFirmware) {
  SimulatedMouse mouse;
  Relay relay(mouse);
  relay.setFeature(block({0x10, 0x01, 24, 0, 0, 0, 0}));  // colour block 1, 24 bytes
  std::array<std::uint8_t, 32> piece{};
  piece[0] = 0xAB;
  piece[23] = 0xCD;
  EXPECT_EQ(relay.write(piece).status, Status::Ok);
  EXPECT_EQ(mouse.firmware().colourBlocks[1][0], 0xAB);
  EXPECT_EQ(mouse.firmware().colourBlocks[1][23], 0xCD);
}

}  // namespace
