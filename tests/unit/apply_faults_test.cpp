// Apply when things go wrong, and the fine timer every sending path holds: the mouse pulled out
// at every transfer, a failed transfer at every transfer, the result Apply gives, and the
// resend on the next connection.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "apply_sample.h"
#include "device/hot_plug.h"
#include "device/simulated_mouse.h"
#include "platform/fine_timer.h"
#include "settings/key_codes.h"
#include "sync/apply.h"
#include "sync/device_change.h"
#include "sync/program_apply.h"

using namespace k8;

namespace {

MouseSettings sample() {
  MouseSettings s = applySample(0x10);
  s.ledMode = 2;  // Respiration keeps bytes the mouse reported: a failed read would show
  s.ledMode2Option = 1;
  return s;
}

struct NoPersistence : ApplyPersistence {
  int saved = 0;
  void saveSettings(const MouseSettings&) override { ++saved; }
};

// Lines that carry something to the mouse: set_feature and write.
std::vector<std::string> sent(const std::vector<std::string>& log) {
  std::vector<std::string> out;
  for (const auto& line : log) {
    if (line.rfind("set_feature ", 0) == 0 || line.rfind("write ", 0) == 0) out.push_back(line);
  }
  return out;
}

// The program's way to the mouse: discovery, the arrival exchange, then Apply over the link.
struct Shell {
  SimulatedMouse mouse;
  DeviceLink link{mouse};
  DeviceState state;

  bool arrive() {
    return handleDeviceEvent(link, DeviceEvent::Arrival, SimulatedMouse::kFeaturePath, state,
                             mouse.pauseFn(false)) == HotPlugOutcome::Connected;
  }
  bool apply(const MouseSettings& s, int* saved = nullptr) {
    Transport transport(link.feature(), link.featureLengths(), mouse.pauseFn(false));
    CommandSet commands(transport, state);
    NoPersistence persistence;
    const bool delivered = applySettings(s, commands, persistence);
    if (saved) *saved = persistence.saved;
    return delivered;
  }
  bool resend(const MouseSettings& committed) {
    Transport transport(link.feature(), link.featureLengths(), mouse.pauseFn(false));
    CommandSet commands(transport, state);
    return resendOwedSettings(committed, commands);
  }
};

// What a whole arrival plus Apply does to a factory mouse: its transfer count, wire log and the
// firmware it leaves.
struct CleanRun {
  unsigned transfers = 0;
  std::size_t commands = 0;  // set_feature lines
  std::vector<std::string> applySent;
  FirmwareState firmware;
};

CleanRun cleanRun(const MouseSettings& s) {
  Shell shell;
  EXPECT_TRUE(shell.arrive());
  const std::size_t exchangeLines = shell.mouse.wireLog().size();
  EXPECT_TRUE(shell.apply(s));
  CleanRun run;
  run.transfers = shell.mouse.transfers();
  const auto log = shell.mouse.wireLog();
  for (const auto& line : log) run.commands += line.rfind("set_feature ", 0) == 0;
  run.applySent = sent({log.begin() + static_cast<std::ptrdiff_t>(exchangeLines), log.end()});
  run.firmware = shell.mouse.firmware();
  return run;
}

void expectFirmwareEqual(const FirmwareState& got, const FirmwareState& want, unsigned point) {
  EXPECT_EQ(got.sensorSettings, want.sensorSettings) << point;
  EXPECT_EQ(got.lightEffect, want.lightEffect) << point;
  EXPECT_EQ(got.lightParameters, want.lightParameters) << point;
  EXPECT_EQ(got.colourBlocks, want.colourBlocks) << point;
  EXPECT_EQ(got.dpiStageTable, want.dpiStageTable) << point;
  EXPECT_EQ(got.reportRate, want.reportRate) << point;
  EXPECT_EQ(got.keyMatrices, want.keyMatrices) << point;
  EXPECT_EQ(got.macros, want.macros) << point;
  EXPECT_EQ(got.badChecksums, 0) << point;
}

TEST(ApplyFaults, MousePulledOutAtEveryTransferIsSentWholeOnTheNextConnection) {
  const MouseSettings s = sample();
  const CleanRun clean = cleanRun(s);
  ASSERT_EQ(clean.transfers, 169u);  // 3 of the arrival exchange, 166 of Apply

  for (unsigned point = 0; point < clean.transfers; ++point) {
    Shell shell;
    bool notified = false;
    shell.mouse.setUnplugListener([&] { notified = true; });
    shell.mouse.unplugAfter(point);
    const bool arrived = shell.arrive();
    int saved = 0;
    const bool delivered = arrived && shell.apply(s, &saved);
    EXPECT_TRUE(notified) << point;
    EXPECT_FALSE(delivered) << point;
    if (arrived) {
      // Every command still went out (to no one) and the settings were saved all the same.
      std::size_t commands = 0;
      for (const auto& line : shell.mouse.wireLog()) commands += line.rfind("set_feature ", 0) == 0;
      EXPECT_EQ(commands, clean.commands) << point;
      EXPECT_EQ(saved, 1) << point;
      EXPECT_TRUE(shell.state.settingsOwed) << point;
    }

    shell.mouse.plug();
    shell.mouse.clearWireLog();
    ASSERT_TRUE(shell.arrive()) << point;
    const std::size_t exchangeLines = shell.mouse.wireLog().size();
    if (arrived) {
      EXPECT_TRUE(shell.resend(s)) << point;
      const auto log = shell.mouse.wireLog();
      EXPECT_EQ(sent({log.begin() + static_cast<std::ptrdiff_t>(exchangeLines), log.end()}),
                clean.applySent)
          << point;
    } else {
      EXPECT_TRUE(shell.apply(s)) << point;  // the pull came during the arrival exchange
    }
    EXPECT_FALSE(shell.state.settingsOwed) << point;
    expectFirmwareEqual(shell.mouse.firmware(), clean.firmware, point);
  }
}

TEST(ApplyFaults, AFailedTransferAnywhereIsReportedAndTheNextApplySendsEverything) {
  const MouseSettings s = sample();
  const CleanRun clean = cleanRun(s);

  for (unsigned point = 0; point < clean.transfers; ++point) {
    Shell shell;
    // The mouse has been programmed before: what the program read then is what it knows.
    ASSERT_TRUE(shell.arrive());
    ASSERT_TRUE(shell.apply(s));
    const unsigned before = shell.mouse.transfers();
    shell.mouse.failTransferAfter(point);
    // The same path again: arrival exchange (3 transfers), then Apply.
    shell.arrive();
    const bool delivered = shell.apply(s);
    // A failed read command leaves the reply's length at 0, so fewer data reads follow.
    EXPECT_LE(shell.mouse.transfers() - before, clean.transfers) << point;
    EXPECT_EQ(delivered, point < 3) << point;  // a failed exchange is not Apply's
    EXPECT_EQ(shell.state.settingsOwed, point >= 3) << point;
    EXPECT_TRUE(shell.mouse.plugged()) << point;

    EXPECT_TRUE(shell.apply(s)) << point;
    EXPECT_FALSE(shell.state.settingsOwed) << point;
    expectFirmwareEqual(shell.mouse.firmware(), clean.firmware, point);
  }
}

TEST(ApplyFaults, NothingIsResentWhenTheLastApplyArrivedWhole) {
  Shell shell;
  ASSERT_TRUE(shell.arrive());
  ASSERT_TRUE(shell.apply(sample()));
  shell.mouse.clearWireLog();
  EXPECT_TRUE(shell.resend(sample()));
  EXPECT_TRUE(shell.mouse.wireLog().empty());
}

// Counts what the hooks were asked for, and whether the timer was held at each pause.
struct FineTimerProbe {
  int begins = 0, ends = 0;
  FineTimerProbe() {
    setFineTimerHooks({[this] {
                         ++begins;
                         return true;
                       },
                       [this] { ++ends; }});
  }
  ~FineTimerProbe() { setFineTimerHooks({}); }
};

TEST(FineTimer, ScopesNestAndTheTimerIsAskedForOnce) {
  FineTimerProbe probe;
  EXPECT_FALSE(fineTimerHeld());
  {
    FineTimerScope outer;
    {
      FineTimerScope inner;
      EXPECT_TRUE(fineTimerHeld());
    }
    EXPECT_TRUE(fineTimerHeld());
    EXPECT_EQ(probe.ends, 0);
  }
  EXPECT_FALSE(fineTimerHeld());
  EXPECT_EQ(probe.begins, 1);
  EXPECT_EQ(probe.ends, 1);
}

TEST(FineTimer, HeldDuringEveryPauseAndTransferOfApplyAndTheArrivalExchange) {
  FineTimerProbe probe;
  SimulatedMouse mouse;
  DeviceLink link(mouse);
  DeviceState state;
  int lines = 0, linesWithout = 0;
  mouse.setLogSink([&](const std::string&) {
    ++lines;
    linesWithout += !fineTimerHeld();
  });
  int pauses = 0, pausesWithout = 0;
  const PauseFn pause = [&](unsigned) {
    ++pauses;
    pausesWithout += !fineTimerHeld();
  };

  ASSERT_EQ(
      handleDeviceEvent(link, DeviceEvent::Arrival, SimulatedMouse::kFeaturePath, state, pause),
      HotPlugOutcome::Connected);
  EXPECT_EQ(lines, 3);
  EXPECT_EQ(probe.begins, 1);
  EXPECT_FALSE(fineTimerHeld());

  {
    Transport transport(link.feature(), link.featureLengths(), pause);
    CommandSet commands(transport, state);
    NoPersistence persistence;
    applySettings(sample(), commands, persistence);
    EXPECT_TRUE(fineTimerHeld());  // until the path's transport goes
  }
  EXPECT_EQ(pauses, 36 + 59);  // 2 ms between commands, 3 ms after data reports
  EXPECT_EQ(pausesWithout, 0);
  EXPECT_EQ(linesWithout, 0);
  // One request per path, not one per pause: each costs a system call on Windows.
  EXPECT_EQ(probe.begins, 2);
  EXPECT_EQ(probe.ends, 2);
  EXPECT_FALSE(fineTimerHeld());
}

struct RecordingApplyHost : ProgramApplyHost {
  std::vector<std::string> calls;
  bool configWritten = true;
  bool saveConfig(const MouseSettings&) override {
    calls.push_back("config");
    return configWritten;
  }
  void saveCaptions() override { calls.push_back("captions"); }
  void writeSystemSettings() override { calls.push_back("system"); }
  void tellNotDelivered() override { calls.push_back("told"); }
};

TEST(ProgramApply, SavedAndCommittedWhetherOrNotDeliveredAndToldOnlyWhenNot) {
  for (const bool pulled : {false, true}) {
    Shell shell;
    ASSERT_TRUE(shell.arrive());
    if (pulled) shell.mouse.unplugAfter(10);
    SettingsState settings;
    settings.working = sample();
    Transport transport(shell.link.feature(), shell.link.featureLengths(),
                        shell.mouse.pauseFn(false));
    CommandSet commands(transport, shell.state);
    RecordingApplyHost host;
    host.configWritten = !pulled;  // a config.bin that could not be written keeps the flag
    EXPECT_EQ(applyAndCommit(settings, commands, host), !pulled);
    std::vector<std::string> expected{"config", "captions", "system"};
    if (pulled) expected.push_back("told");
    EXPECT_EQ(host.calls, expected);
    EXPECT_EQ(std::memcmp(&settings.committed, &settings.working, sizeof(MouseSettings)), 0);
    EXPECT_EQ(settings.committed.reportRate, sample().reportRate);
    EXPECT_EQ(settings.firstRunFlag, pulled ? 0 : 1);
  }
}

}  // namespace

namespace {

// What the window is told on each device change, and when owed settings go again.
TEST(DeviceChange, EachChangeTellsTheWindowWhatToDo) {
  const std::wstring& feature = SimulatedMouse::kFeaturePath;
  const std::wstring& other = SimulatedMouse::kOtherDevicePath;
  constexpr auto kArrival = DeviceEvent::Arrival;
  constexpr auto kRemoval = DeviceEvent::RemoveComplete;
  struct Case {
    const char* what;
    bool plugged, owed;
    int failAt;  // transfer of the reaction that fails; -1: none
    DeviceEvent event;
    const std::wstring& path;
    bool missing, hide, notDelivered, resent;
  };
  const Case cases[] = {
      {"arrival, nothing owed", true, false, -1, kArrival, feature, false, false, false, false},
      {"arrival, owed, sent whole", true, true, -1, kArrival, feature, false, false, false, true},
      {"arrival, owed, a transfer fails", true, true, 9, kArrival, feature, false, false, true,
       true},
      {"arrival, mouse not there", false, false, -1, kArrival, feature, true, true, false, false},
      {"removal, mouse gone", false, true, -1, kRemoval, feature, true, true, false, false},
      {"removal, mouse still there", true, true, -1, kRemoval, feature, false, false, false, false},
      {"another device arrives", true, true, -1, kArrival, other, false, false, false, false},
  };
  for (const Case& c : cases) {
    Shell shell;
    ASSERT_TRUE(shell.arrive()) << c.what;
    if (c.owed) {
      shell.mouse.failTransferAfter(4);
      ASSERT_FALSE(shell.apply(sample())) << c.what;
    }
    if (!c.plugged) shell.mouse.unplug();
    shell.mouse.clearWireLog();
    if (c.failAt >= 0) shell.mouse.failTransferAfter(static_cast<unsigned>(c.failAt));
    const DeviceChangeReaction r = reactToDeviceChange(shell.link, c.event, c.path, shell.state,
                                                       sample(), shell.mouse.pauseFn(false));
    EXPECT_EQ(r.tellMissing, c.missing) << c.what;
    EXPECT_EQ(r.hideWindow, c.hide) << c.what;
    EXPECT_EQ(r.tellNotDelivered, c.notDelivered) << c.what;
    // The arrival exchange alone sends two command blocks.
    EXPECT_EQ(sent(shell.mouse.wireLog()).size() > 2, c.resent) << c.what;
    EXPECT_EQ(shell.state.settingsOwed, c.owed && !(c.resent && !c.notDelivered)) << c.what;
  }
}

}  // namespace
