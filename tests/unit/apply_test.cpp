// Apply against the simulated mouse: the exact order of commands and pauses, the values that
// reach the firmware, and a mouse pulled out half-way.
#include "sync/apply.h"

#include <gtest/gtest.h>

#include <numeric>
#include <sstream>

#include "apply_sample.h"
#include "device/commands.h"
#include "device/simulated_mouse.h"
#include "settings/dpi_light_codes.h"
#include "settings/key_codes.h"

using namespace k8;

namespace {

// One token per wire-log line: the command code of a set_feature, "w"/"r" for data reports,
// "sN" for pauses; get_feature lines are left out.
std::vector<std::string> tokens(const std::vector<std::string>& log) {
  std::vector<std::string> out;
  for (const auto& line : log) {
    if (line.rfind("set_feature ", 0) == 0) {
      out.push_back(line.substr(15, 2));
    } else if (line.rfind("write ", 0) == 0) {
      out.push_back("w");
    } else if (line.rfind("read ", 0) == 0) {
      out.push_back("r");
    } else if (line.rfind("sleep ", 0) == 0) {
      out.push_back("s" + line.substr(6));
    }
  }
  return out;
}

std::vector<std::string> expectedApplyTokens() {
  std::vector<std::string> t{"01", "8d", "87", "s2", "87", "s2"};
  for (int i = 0; i < 2; ++i) t.insert(t.end(), {"90", "r", "s2"});
  for (int i = 0; i < 2; ++i) t.insert(t.end(), {"10", "w", "s3", "s2"});
  t.insert(t.end(), {"07", "s2", "07", "s2", "0d", "11", "w", "s3"});
  for (int i = 0; i < 12; ++i) {
    t.push_back("13");
    for (int k = 0; k < 4; ++k) t.insert(t.end(), {"w", "s3"});
    t.push_back("s2");
  }
  for (int i = 0; i < 12; ++i) t.insert(t.end(), {"93", "r", "r", "r", "r", "s2"});
  for (int i = 0; i < 4; ++i) t.insert(t.end(), {"12", "w", "s3", "w", "s3", "s2"});
  return t;
}

struct Rig {
  explicit Rig(std::uint8_t sensorType = 0, PauseFn pause = nullptr)
      : mouse(sensorType),
        device(mouse.open(SimulatedMouse::kFeaturePath, true)),
        transport(device.get(), {9, 33, 33}, pause ? pause : mouse.pauseFn(false)),
        commands(transport, state) {
    commands.ExchangeSensorSettings();
    mouse.clearWireLog();
  }
  SimulatedMouse mouse;
  std::unique_ptr<HidDevice> device;
  Transport transport;
  DeviceState state;
  CommandSet commands;
};

MouseSettings sample() {
  MouseSettings s = applySample(1);
  s.ledMode = 1;
  s.ledBrightness = 4;
  s.modeB.function[3] = kKeyOff;
  return s;
}

TEST(Apply, SendsEveryCommandInOrderWithItsPauses) {
  Rig rig;
  sendSettingsToMouse(sample(), rig.commands);
  const auto got = tokens(rig.mouse.wireLog());
  EXPECT_EQ(got, expectedApplyTokens());
  unsigned twoMs = 0, total = 0;
  for (const auto& t : got) {
    if (t[0] != 's') continue;
    total += static_cast<unsigned>(std::stoi(t.substr(1)));
    if (t == "s2") twoMs += 2;
  }
  EXPECT_EQ(twoMs, 72u);
  EXPECT_EQ(total, 72u + 3u * 59u);
  EXPECT_EQ(rig.mouse.firmware().badChecksums, 0);
}

TEST(Apply, FirmwareEndsWithTheRecordAndPassThroughValuesUnchanged) {
  Rig rig;
  const MouseSettings s = sample();
  sendSettingsToMouse(s, rig.commands);
  const FirmwareState fw = rig.mouse.firmware();
  const FirmwareState factory = FirmwareState::factory();
  EXPECT_EQ(fw.reportRate, 2);
  EXPECT_EQ(fw.lightEffect, (std::array<std::uint8_t, 3>{1, 5, 2}));
  EXPECT_EQ(fw.lightParameters[0], (LightParameterSet{1, 0, 0}));
  EXPECT_EQ(fw.lightParameters[1], factory.lightParameters[1]);
  EXPECT_EQ(fw.colourBlocks[0], factory.colourBlocks[0]);
  ColourBlock colours{};
  std::copy(s.dpiColor.begin(), s.dpiColor.end(), colours.begin());
  EXPECT_EQ(fw.colourBlocks[1], colours);
  // Stage 2 disabled; level 11 of sensor type 0 is 0x28.
  EXPECT_EQ(fw.dpiStageTable,
            (std::array<std::uint8_t, 8>{0x01, 0x84, 0x08, 0x28, 0x80, 0x80, 0x80, 0x80}));
  EXPECT_EQ(fw.keyMatrices[0], buildKeyMatrix(s, 0));
  EXPECT_EQ(fw.keyMatrices[2], buildKeyMatrix(s, 1));
  EXPECT_EQ(fw.keyMatrices[1], KeyMatrix{});
  EXPECT_EQ(fw.keyMatrices[3], KeyMatrix{});
  // Button 4 of Mode B ("Mid Click") in slot 3, button 3 ("Key Off") in slot 4.
  EXPECT_EQ(fw.keyMatrices[2][3 * 4 + 2], 0xF2);
  EXPECT_EQ(fw.keyMatrices[2][4 * 4 + 2], 0x00);
  EXPECT_EQ(fw.macros, s.macroImages);
  EXPECT_EQ(rig.state.macroScratch, s.macroImages);  // read back
}

TEST(Apply, LightModesChangeOnlyTheBytesTheyName) {
  struct Case {
    std::uint8_t mode, m2, m3;
    std::array<std::uint8_t, 3> effect;
    LightParameterSet set0;
  };
  // The factory mouse reports effect 01 05 02 and set 0 = 01 00 00.
  const Case cases[] = {
      {0, 0, 0, {1, 5, 2}, {1, 0, 0}},      // never set: everything as read
      {1, 0, 0, {1, 8, 2}, {1, 0, 0}},      // Standard, brightness 7
      {2, 1, 0, {2, 3, 2}, {1, 0, 0}},      // Respiration, RGB Effect, beat 2
      {2, 2, 0, {2, 3, 3}, {2, 125, 3}},    // Respiration, RGB Flash
      {2, 0, 0, {2, 3, 2}, {1, 0, 0}},      // Respiration with no option chosen
      {3, 0, 2, {3, 21, 2}, {2, 100, 10}},  // Neon, RGB Flash, switch time 20
      {3, 0, 3, {3, 21, 2}, {3, 5, 5}},     // Neon, RGB Fixed On
      {9, 2, 3, {1, 5, 2}, {1, 0, 0}},      // unknown mode: nothing changes
  };
  for (const auto& c : cases) {
    Rig rig;
    MouseSettings s = sample();
    s.ledMode = c.mode;
    s.ledBrightness = 7;
    s.ledBeatSpeed = 2;
    s.ledSwitchTime = 20;
    s.ledMode2Option = c.m2;
    s.ledMode3Option = c.m3;
    sendSettingsToMouse(s, rig.commands);
    EXPECT_EQ(rig.mouse.firmware().lightEffect, c.effect) << int(c.mode);
    EXPECT_EQ(rig.mouse.firmware().lightParameters[0], c.set0) << int(c.mode);
    EXPECT_EQ(rig.mouse.firmware().lightParameters[1], (LightParameterSet{4, 5, 6}));
  }
}

TEST(DpiStages, CodesFollowTheSensorTypeTheMouseReports) {
  MouseSettings s{};
  s.dpiLevel = {7, 7, 0, 0};
  s.dpiStageEnabled = {1, 0, 0, 0};
  EXPECT_EQ(buildDpiStageTable(s, 1),
            (std::array<std::uint8_t, 8>{0x25, 0xA5, 0x81, 0x81, 0x80, 0x80, 0x80, 0x80}));
  EXPECT_EQ(buildDpiStageTable(s, 7),
            (std::array<std::uint8_t, 8>{0x00, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80}));
  // Levels past a sensor's table (settings made with another sensor) send its highest code.
  s.dpiLevel = {8, 11, 200, 255};
  s.dpiStageEnabled = {1, 1, 1, 1};
  EXPECT_EQ(buildDpiStageTable(s, 2),
            (std::array<std::uint8_t, 8>{0x2A, 0x2A, 0x2A, 0x2A, 0x80, 0x80, 0x80, 0x80}));

  // The sensor type comes from the mouse: a type-1 mouse gets type-1 codes.
  Rig rig(1);
  EXPECT_EQ(rig.state.sensorType, 1);
  MouseSettings t{};
  t.dpiLevel = {7, 0, 0, 0};
  t.dpiStageEnabled = {1, 1, 1, 1};
  sendSettingsToMouse(t, rig.commands);
  EXPECT_EQ(rig.mouse.firmware().dpiStageTable[0], 0x25);
}

TEST(SensorSettings, OptionTwoGoesBackWithBitSixSet) {
  SimulatedMouse mouse(3);
  auto dev = mouse.open(SimulatedMouse::kFeaturePath, true);
  Transport t(dev.get(), {9, 33, 33}, mouse.pauseFn(false));
  DeviceState state;
  CommandSet c(t, state);
  c.ExchangeSensorSettings();
  EXPECT_EQ(mouse.wireLog(), (std::vector<std::string>{
                                 "set_feature 00 83 00 00 00 00 00 00 7c",
                                 "get_feature 00 83 03 04 11 03 00 00 61",
                                 "set_feature 00 03 03 04 11 43 00 00 a1",
                             }));
  EXPECT_EQ(state.sensorType, 3);
  EXPECT_EQ(mouse.firmware().sensorSettings[3], 0x43);
}

TEST(Apply, MousePulledOutHalfWayStillRunsToTheEnd) {
  int pauses = 0;
  SimulatedMouse m;
  auto dev = m.open(SimulatedMouse::kFeaturePath, true);
  auto logPause = m.pauseFn(false);
  Transport t(dev.get(), {9, 33, 33}, [&](unsigned ms) {
    logPause(ms);
    if (++pauses == 20) m.unplug();  // during the macro writes
  });
  DeviceState state;
  CommandSet c(t, state);
  const MouseSettings s = sample();

  struct Persist : ApplyPersistence {
    int saved = 0, captions = 0;
    void saveSettings(const MouseSettings&) override { ++saved; }
    void saveCaptions() override { ++captions; }
  } persist;
  applySettings(s, c, persist);
  EXPECT_EQ(persist.saved, 1);
  EXPECT_EQ(persist.captions, 1);

  const auto log = m.wireLog();
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(log[log.size() - 3].substr(0, 18), "write 00 00 00 00 ");  // matrix 4 is zeros
  EXPECT_EQ(log[log.size() - 2], "sleep 3");
  EXPECT_EQ(log.back(), "sleep 2");
  // The last matrix command still went out, and nothing after the pull reached the firmware.
  int matrixCommands = 0;
  for (const auto& line : log) matrixCommands += line.rfind("set_feature 00 12 ", 0) == 0;
  EXPECT_EQ(matrixCommands, 4);
  EXPECT_EQ(m.firmware().keyMatrices[0], KeyMatrix{});
  EXPECT_NE(m.firmware().macros[11], s.macroImages[11]);
}

}  // namespace
