// Discovery, hot-plug and the reader thread over the simulated mouse.
#include "device/device_link.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "device/hot_plug.h"
#include "device/input_reader.h"
#include "device/simulated_mouse.h"

using namespace k8;

namespace {

const std::wstring kLockedPath = L"\\\\?\\HID#VID_1234&PID_0001#locked";

// The simulated mouse behind an enumeration the test arranges: any order, and interfaces that
// cannot be opened at all (devices another program holds exclusively).
class ArrangedBackend : public HidBackend {
 public:
  explicit ArrangedBackend(SimulatedMouse& mouse) : mouse_(mouse) {}
  std::vector<std::wstring> order;  // empty: the mouse's own order
  std::set<std::wstring> locked;

  std::vector<std::wstring> listInterfaces() override {
    if (order.empty()) return mouse_.listInterfaces();
    std::vector<std::wstring> present;
    const auto real = mouse_.listInterfaces();
    for (const auto& p : order) {
      if (locked.count(p) || std::find(real.begin(), real.end(), p) != real.end()) {
        present.push_back(p);
      }
    }
    return present;
  }
  std::unique_ptr<HidDevice> open(const std::wstring& path, bool withAccess) override {
    if (locked.count(path)) return nullptr;
    return mouse_.open(path, withAccess);
  }

 private:
  SimulatedMouse& mouse_;
};

TEST(Discovery, OpensBothCollectionsOfThePluggedMouse) {
  SimulatedMouse mouse;
  DeviceLink link(mouse);
  ASSERT_TRUE(link.discover());
  EXPECT_TRUE(link.mousePresent());
  ASSERT_NE(link.feature(), nullptr);
  EXPECT_TRUE(link.inputOpen());
  EXPECT_EQ(link.featureLengths().feature, 9u);
  EXPECT_EQ(link.featureLengths().input, 33u);
  EXPECT_EQ(link.featureLengths().output, 33u);

  mouse.unplug();
  EXPECT_FALSE(link.discover());
  EXPECT_FALSE(link.mousePresent());
  EXPECT_EQ(link.feature(), nullptr);
  EXPECT_FALSE(link.inputOpen());
}

TEST(Discovery, SkipsInterfacesThatCannotBeOpenedAtAll) {
  SimulatedMouse mouse;
  ArrangedBackend backend(mouse);
  backend.locked = {kLockedPath};
  backend.order = {SimulatedMouse::kOtherDevicePath, kLockedPath, SimulatedMouse::kMousePath,
                   SimulatedMouse::kInputPath, SimulatedMouse::kFeaturePath};
  DeviceLink link(backend);
  EXPECT_TRUE(link.discover());
  EXPECT_TRUE(link.inputOpen());
}

TEST(Discovery, FindsTheInputCollectionAfterTheFeatureCollection) {
  SimulatedMouse mouse;
  ArrangedBackend backend(mouse);
  backend.order = {SimulatedMouse::kFeaturePath, SimulatedMouse::kMousePath,
                   SimulatedMouse::kInputPath, SimulatedMouse::kOtherDevicePath};
  DeviceLink link(backend);
  EXPECT_TRUE(link.discover());
  EXPECT_TRUE(link.inputOpen());  // notices do not depend on the enumeration order
  // Both found: the search stops there and never examines the keyboard behind them.
  EXPECT_EQ(link.lastPath(), SimulatedMouse::kInputPath);
}

TEST(Discovery, InputCollectionAloneIsNoConnection) {
  SimulatedMouse mouse;
  ArrangedBackend backend(mouse);
  backend.order = {SimulatedMouse::kInputPath};
  DeviceLink link(backend);
  EXPECT_FALSE(link.discover());
  EXPECT_FALSE(link.inputOpen());
}

// The simulated mouse behind a backend that, halfway through the enumeration, has something to
// report and runs whatever a message box's loop might run.
class TroubledBackend : public HidBackend {
 public:
  explicit TroubledBackend(SimulatedMouse& mouse) : mouse_(mouse) {}
  std::function<void()> duringEnumeration;

  std::vector<std::wstring> listInterfaces() override {
    reportProblem(L"SetupDiGetDeviceInterfaceDetail failed.\n");
    if (duringEnumeration) duringEnumeration();
    return mouse_.listInterfaces();
  }
  std::unique_ptr<HidDevice> open(const std::wstring& path, bool withAccess) override {
    return mouse_.open(path, withAccess);
  }

 private:
  SimulatedMouse& mouse_;
};

TEST(Discovery, ProblemsComeBackAfterwardsAndNoDiscoveryRunsInsideAnother) {
  SimulatedMouse mouse;
  TroubledBackend backend(mouse);
  DeviceLink link(backend);
  backend.reportProblem(L"stale");  // reported outside any discovery: not shown for it
  int nested = 0;
  backend.duringEnumeration = [&] { nested += link.discover() ? 100 : 1; };
  ASSERT_TRUE(link.discover());
  EXPECT_EQ(nested, 1);  // refused
  EXPECT_EQ(link.takeProblems(),
            std::vector<std::wstring>{L"SetupDiGetDeviceInterfaceDetail failed.\n"});
  EXPECT_TRUE(link.takeProblems().empty());

  // The reader is handed the very collection the link holds.
  const auto input = link.waitForInput(0);
  ASSERT_TRUE(input);
  EXPECT_EQ(input->connection, 1u);
  EXPECT_TRUE(link.inputOpen());
}

TEST(HotPlug, MatchesOnlyTheTwoSpellingsOfTheMouse) {
  EXPECT_TRUE(pathNamesTheMouse(SimulatedMouse::kFeaturePath));
  EXPECT_TRUE(pathNamesTheMouse(L"\\\\?\\hid#Vid_04d9&Pid_a09f&mi_01#x"));
  EXPECT_FALSE(pathNamesTheMouse(L"\\\\?\\hid#vid_04d9&pid_a09f&mi_01#x"));  // all lower case
  EXPECT_FALSE(pathNamesTheMouse(SimulatedMouse::kOtherDevicePath));
  EXPECT_FALSE(pathNamesTheMouse(L""));
}

class HotPlugTest : public ::testing::Test {
 protected:
  HotPlugOutcome event(DeviceEvent e, const std::wstring& path) {
    return handleDeviceEvent(link_, e, path, state_, mouse_.pauseFn(false));
  }
  int sensorExchanges() const {
    int n = 0;
    for (const auto& line : mouse_.wireLog()) n += line.rfind("set_feature 00 03", 0) == 0;
    return n;
  }

  SimulatedMouse mouse_{2, false};
  DeviceLink link_{mouse_};
  DeviceState state_;
};

TEST_F(HotPlugTest, ArrivalConnectsAndExchangesSensorSettingsOncePerEvent) {
  EXPECT_EQ(event(DeviceEvent::Arrival, SimulatedMouse::kFeaturePath), HotPlugOutcome::Missing);
  mouse_.plug();
  EXPECT_EQ(event(DeviceEvent::Arrival, SimulatedMouse::kMousePath), HotPlugOutcome::Connected);
  EXPECT_EQ(event(DeviceEvent::Arrival, SimulatedMouse::kInputPath), HotPlugOutcome::Connected);
  EXPECT_TRUE(link_.mousePresent());
  EXPECT_EQ(sensorExchanges(), 2);
  EXPECT_EQ(state_.sensorType, 2);
  EXPECT_EQ(mouse_.firmware().sensorSettings[3], 0x03 | 0x40);
}

TEST_F(HotPlugTest, OtherDevicesNeverTouchTheConnection) {
  mouse_.plug();
  ASSERT_EQ(event(DeviceEvent::Arrival, SimulatedMouse::kFeaturePath), HotPlugOutcome::Connected);
  HidDevice* feature = link_.feature();
  mouse_.clearWireLog();
  EXPECT_EQ(event(DeviceEvent::Arrival, SimulatedMouse::kOtherDevicePath), HotPlugOutcome::Ignored);
  EXPECT_EQ(event(DeviceEvent::RemoveComplete, L"\\\\?\\hid#vid_04d9&pid_a09f#lower"),
            HotPlugOutcome::Ignored);
  EXPECT_EQ(link_.feature(), feature);
  EXPECT_TRUE(mouse_.wireLog().empty());
}

TEST_F(HotPlugTest, RemovalOfTheMouseLeavesItMissingWithoutTraffic) {
  mouse_.plug();
  ASSERT_EQ(event(DeviceEvent::Arrival, SimulatedMouse::kFeaturePath), HotPlugOutcome::Connected);
  mouse_.clearWireLog();
  mouse_.unplug();
  EXPECT_EQ(event(DeviceEvent::RemoveComplete, SimulatedMouse::kFeaturePath),
            HotPlugOutcome::Missing);
  EXPECT_FALSE(link_.mousePresent());
  EXPECT_TRUE(mouse_.wireLog().empty());
}

// Collects the reader's notices for the test thread.
class NoticeBox {
 public:
  void put(const InputNotice& n) {
    std::lock_guard lock(mutex_);
    notices_.push_back(n);
    arrived_.notify_all();
  }
  bool waitFor(std::size_t count) {
    std::unique_lock lock(mutex_);
    return arrived_.wait_for(lock, std::chrono::seconds(5),
                             [&] { return notices_.size() >= count; });
  }
  std::vector<InputNotice> notices() {
    std::lock_guard lock(mutex_);
    return notices_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable arrived_;
  std::vector<InputNotice> notices_;
};

TEST(InputReport, OnlyReportSixWithKnownKindsAndFourBytes) {
  const std::uint8_t rate[] = {6, 5, 0, 8, 0};
  auto n = parseInputReport(rate, sizeof rate);
  ASSERT_TRUE(n);
  EXPECT_EQ(n->kind, NoticeKind::ReportRateSwitch);
  EXPECT_EQ(n->value, 8);
  const std::uint8_t macro[] = {6, 9, 0x77, 0xFF};
  EXPECT_EQ(parseInputReport(macro, 4)->value, 0xFF);
  const std::uint8_t otherId[] = {5, 7, 0, 2};
  const std::uint8_t otherKind[] = {6, 6, 0, 2};
  EXPECT_FALSE(parseInputReport(otherId, 4));
  EXPECT_FALSE(parseInputReport(otherKind, 4));
  for (std::size_t shortLength : {0, 1, 2, 3}) EXPECT_FALSE(parseInputReport(rate, shortLength));
  EXPECT_FALSE(parseInputReport(nullptr, 4));
}

TEST(InputReaderThread, DeliversNoticesAcrossUnplugAndLatePlug) {
  SimulatedMouse mouse(0, false);
  DeviceLink link(mouse);
  NoticeBox box;
  InputReader reader(link, [&](const InputNotice& n) { box.put(n); });
  reader.start();  // sleeps: nothing is connected

  mouse.plug();
  ASSERT_TRUE(link.discover());
  mouse.pushInputReport({6, 6, 0, 1});  // kind 6: nothing
  mouse.pushInputReport({6, 7});        // short: nothing, and nothing read past it
  mouse.pushInputReport({5, 7, 0, 2});  // report id 5: nothing
  mouse.pushInputReport({6, 7, 0, 2, 0, 0, 0, 0, 0});
  ASSERT_TRUE(box.waitFor(1));

  mouse.unplug();  // the pending read fails; the reader waits for the next connection
  EXPECT_FALSE(link.discover());
  mouse.plug();
  ASSERT_TRUE(link.discover());
  mouse.pushInputReport({6, 9, 0, 3, 0, 0, 0, 0, 0});
  ASSERT_TRUE(box.waitFor(2));
  // Another discovery while connected replaces the handles under the waiting reader.
  ASSERT_TRUE(link.discover());
  mouse.pushInputReport({6, 8, 0, 4, 0, 0, 0, 0, 0});
  ASSERT_TRUE(box.waitFor(3));

  const auto got = box.notices();
  ASSERT_EQ(got.size(), 3u);
  EXPECT_EQ(got[0].kind, NoticeKind::DpiStageSwitch);
  EXPECT_EQ(got[0].value, 2);
  EXPECT_EQ(got[1].kind, NoticeKind::MacroKeySwitch);
  EXPECT_EQ(got[1].value, 3);
  EXPECT_EQ(got[2].kind, NoticeKind::KeyMatrixSwitch);
  EXPECT_EQ(got[2].value, 4);
}

// An input collection whose every read fails at once (a wait that cannot wait, a vanished
// device): the reader must sleep until the next connection rather than try again and again.
class FailingInputBackend : public HidBackend {
 public:
  explicit FailingInputBackend(SimulatedMouse& mouse) : mouse_(mouse) {}
  std::atomic<int> reads{0};

  std::vector<std::wstring> listInterfaces() override { return mouse_.listInterfaces(); }
  std::unique_ptr<HidDevice> open(const std::wstring& path, bool withAccess) override {
    auto inner = mouse_.open(path, withAccess);
    if (!inner) return nullptr;
    return std::make_unique<Device>(std::move(inner), reads);
  }

 private:
  struct Device : HidDevice {
    Device(std::unique_ptr<HidDevice> d, std::atomic<int>& r) : inner(std::move(d)), reads(r) {}
    HidAttributes attributes() override { return inner->attributes(); }
    HidCaps caps() override { return inner->caps(); }
    bool setFeature(const std::uint8_t* p, std::size_t n) override {
      return inner->setFeature(p, n);
    }
    bool getFeature(std::uint8_t* p, std::size_t n) override { return inner->getFeature(p, n); }
    bool writeReport(const std::uint8_t* p, std::size_t n) override {
      return inner->writeReport(p, n);
    }
    bool readReport(std::uint8_t* p, std::size_t n) override { return inner->readReport(p, n); }
    InputReadResult readInput(std::uint8_t*, std::size_t, std::size_t& received) override {
      received = 0;
      ++reads;
      return InputReadResult::Failed;
    }
    void cancelInput() override {}
    std::unique_ptr<HidDevice> inner;
    std::atomic<int>& reads;
  };
  SimulatedMouse& mouse_;
};

TEST(InputReaderThread, AReaderWhoseReadsFailSleepsUntilTheNextConnection) {
  SimulatedMouse mouse;
  FailingInputBackend backend(mouse);
  DeviceLink link(backend);
  ASSERT_TRUE(link.discover());
  InputReader reader(link, [](const InputNotice&) {});
  reader.start();
  const auto waitForReads = [&](int n) {
    for (int i = 0; i < 200 && backend.reads < n; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  };
  waitForReads(1);
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(backend.reads, 1);
  ASSERT_TRUE(link.discover());
  waitForReads(2);
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(backend.reads, 2);
}

TEST(InputReaderThread, StopsWhileWaitingAndWhileReading) {
  SimulatedMouse mouse(0, false);
  {
    DeviceLink link(mouse);
    InputReader reader(link, [](const InputNotice&) {});
    reader.start();
  }  // waiting for a connection
  mouse.plug();
  DeviceLink link(mouse);
  ASSERT_TRUE(link.discover());
  InputReader reader(link, [](const InputNotice&) {});
  reader.start();  // blocked inside the read; the destructor must still end it
}

}  // namespace
