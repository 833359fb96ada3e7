// The simulated mouse behaves like the device it stands in for: enumeration, access rules,
// unplugging, input reports and its wire log.
#include "device/simulated_mouse.h"

#include <gtest/gtest.h>

#include <thread>

using namespace k8;

namespace {

TEST(SimulatedMouse, EnumeratesItsCollectionsWithTheirCapsAndAccessRules) {
  SimulatedMouse mouse;
  const auto paths = mouse.listInterfaces();
  ASSERT_EQ(paths.size(), 4u);
  auto feature = mouse.open(SimulatedMouse::kFeaturePath, true);
  ASSERT_TRUE(feature);
  EXPECT_EQ(feature->attributes().vendorId, 0x04D9);
  EXPECT_EQ(feature->attributes().productId, 0xA09F);
  const HidCaps caps = feature->caps();
  EXPECT_EQ(caps.usagePage, 0xFF00);
  EXPECT_EQ(caps.featureReportByteLength, 9);
  EXPECT_EQ(caps.inputReportByteLength, 33);
  EXPECT_EQ(caps.outputReportByteLength, 33);
  auto input = mouse.open(SimulatedMouse::kInputPath, true);
  EXPECT_EQ(input->caps().usagePage, 0xFF01);
  EXPECT_EQ(input->caps().inputReportByteLength, 9);
  // The system keeps the pointer and keyboard collections: no access, but caps are readable.
  EXPECT_FALSE(mouse.open(SimulatedMouse::kMousePath, true));
  EXPECT_TRUE(mouse.open(SimulatedMouse::kMousePath, false));
  EXPECT_FALSE(mouse.open(SimulatedMouse::kOtherDevicePath, true));
  EXPECT_EQ(mouse.open(SimulatedMouse::kOtherDevicePath, false)->attributes().vendorId, 0x046D);
}

TEST(SimulatedMouse, HandlesOpenedBeforeAnUnplugStayDead) {
  SimulatedMouse mouse;
  auto old = mouse.open(SimulatedMouse::kFeaturePath, true);
  mouse.unplug();
  EXPECT_EQ(mouse.listInterfaces().size(), 1u);  // only the other vendor's keyboard
  EXPECT_FALSE(mouse.open(SimulatedMouse::kFeaturePath, true));
  mouse.plug();
  std::uint8_t report[9] = {0, 0x01, 0x08, 0, 0, 0, 0, 0, 0xF6};
  EXPECT_FALSE(old->setFeature(report, sizeof report));
  EXPECT_EQ(mouse.firmware().reportRate, 0x04);
  auto fresh = mouse.open(SimulatedMouse::kFeaturePath, true);
  EXPECT_TRUE(fresh->setFeature(report, sizeof report));
  EXPECT_EQ(mouse.firmware().reportRate, 0x08);
  // A block with a wrong checksum is not acted on.
  report[2] = 0x02;
  fresh->setFeature(report, sizeof report);
  EXPECT_EQ(mouse.firmware().reportRate, 0x08);
  EXPECT_EQ(mouse.firmware().badChecksums, 1);
  EXPECT_EQ(mouse.wireLog().front(), "set_feature 00 01 08 00 00 00 00 00 f6");
}

TEST(SimulatedMouse, InputReadsBlockUntilAReportACancelOrAnUnplug) {
  SimulatedMouse mouse;
  auto input = mouse.open(SimulatedMouse::kInputPath, true);
  std::uint8_t buf[40];
  std::size_t got = 0;

  std::thread pusher([&] { mouse.pushInputReport({6, 7, 0, 2, 0, 0, 0, 0, 0}); });
  EXPECT_EQ(input->readInput(buf, 9, got), InputReadResult::Data);
  pusher.join();
  EXPECT_EQ(got, 9u);
  EXPECT_EQ(buf[1], 7);

  mouse.pushInputReport({6, 5});  // short reports arrive as they are
  EXPECT_EQ(input->readInput(buf, 9, got), InputReadResult::Data);
  EXPECT_EQ(got, 2u);

  std::thread canceller([&] { input->cancelInput(); });
  EXPECT_EQ(input->readInput(buf, 9, got), InputReadResult::Cancelled);
  canceller.join();

  std::thread puller([&] { mouse.unplug(); });
  EXPECT_EQ(input->readInput(buf, 9, got), InputReadResult::Failed);
  puller.join();
}

}  // namespace
