// The Advanced page through the fakes: system pointer settings (steps, first visit, the writes
// of OK/Apply and Default) and the macro editor (loop times, inserting, delays, recording).
#include "pages/advanced_page.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "i18n/captions.h"
#include "macros/key_hook_rules.h"
#include "macros/macro_encoder.h"
#include "macros/macro_file.h"
#include "pages_fakes.h"
#include "platform/modal_windows.h"
#include "platform/profile.h"

namespace k8 {
namespace {

namespace fs = std::filesystem;
using testing::FakeControls;
using testing::RecordingCanvas;
using Lines = std::vector<std::wstring>;

class FakeSystem : public SystemPointer {
 public:
  MouseAcceleration acceleration{6, 10, 1};
  std::optional<int> speed = 10;
  std::optional<std::uint32_t> lines = 3;
  unsigned time = 500;
  bool failWrites = false;
  std::vector<std::string> writes;

  std::optional<MouseAcceleration> mouse() override { return acceleration; }
  std::optional<int> mouseSpeed() override { return speed; }
  std::optional<std::uint32_t> wheelScrollLines() override { return lines; }
  unsigned doubleClickTime() override { return time; }
  bool setMouse(const MouseAcceleration& v, unsigned flags) override {
    return note(
        "mouse " + std::to_string(v[0]) + "," + std::to_string(v[1]) + "," + std::to_string(v[2]),
        flags);
  }
  bool setMouseSpeed(int s, unsigned flags) override {
    return note("speed " + std::to_string(s), flags);
  }
  bool setWheelScrollLines(std::uint32_t n, unsigned flags) override {
    return note("wheel " + std::to_string(n), flags);
  }
  bool setDoubleClickTime(unsigned ms, unsigned flags) override {
    return note("double-click " + std::to_string(ms), flags);
  }

 private:
  bool note(const std::string& what, unsigned flags) {
    writes.push_back(what + " flags " + std::to_string(flags));
    return !failWrites;
  }
};

class DelayDialog : public CancelledSubDialogs {
 public:
  std::optional<std::wstring> typed;
  std::function<void()> whileOpen;  // what the user types into the dialog
  std::optional<std::wstring> delayTime() override {
    const ModalWindow modal;
    if (whileOpen) whileOpen();
    return typed;
  }
};

class AdvancedPageTest : public ::testing::Test, public PageHost, public RecorderHost {
 protected:
  void SetUp() override {
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // PageHost
  void messageBox(std::wstring_view text, std::wstring_view caption) override {
    shown_.push_back(std::wstring(text) + L"|" + std::wstring(caption));
  }
  std::optional<Colour> chooseColour() override { return std::nullopt; }
  SubDialogs& dialogs() override { return delay_; }
  void exchangeSensorSettings() override {}
  // RecorderHost: the hook's message reaches the window at once, as SendMessageW does.
  // The thread's hook: keys reach the recorder as the system hook hands them over.
  bool installHook(unsigned long&) override {
    hookUser_ = hookUsers_.add(HookUse::Recorder, nullptr,
                               [this](std::wstring_view name, std::uint32_t data) {
                                 page_.macros().onHookKey(name, data);
                               });
    return hooked_ = true;
  }
  void removeHook() override {
    hookUsers_.remove(hookUser_);
    hooked_ = false;
  }
  void setTitle(const std::wstring& title) override { title_ = title; }
  void sendRecorderMessage(RecorderKind kind, bool) override {
    page_.macros().onRecorderMessage(kind);
  }

  void show() {
    page_.draw(canvas_, controls_);
    canvas_.take();
  }
  void leave() { page_.destroyChildren(controls_); }
  void click(Control c, int index = 0, int level = 0) {
    page_.click({c, regionOf(c, index), index, level});
  }
  void type(int id, const std::wstring& text) {
    controls_.setText(id, text);
    page_.command(id, Notify::Change);
  }
  void select(int id, int item) {
    controls_.setSelection(id, item);
    page_.command(id, item == kNoItem ? Notify::Other : Notify::SelChange);
  }
  void key(std::wstring_view name, std::uint32_t data) {
    if (const auto* user = hookUsers_.active()) hookUsers_.deliver(*user, name, 0, data);
  }
  Lines items(int id) const {
    const auto it = controls_.children.find(id);
    return it == controls_.children.end() ? Lines{} : it->second.items;
  }
  int litCells(int row) const {
    int lit = 0;
    const std::string y =
        "," + std::to_string(layout::at("advanced", "slider row # cell 1", {row}).top);
    for (const std::string& op : drawn_)
      if (op.starts_with("image /slider-light.png") && op.ends_with(y)) ++lit;
    return lit;
  }
  void showAndKeepDrawing() {
    page_.draw(canvas_, controls_);
    drawn_ = canvas_.take();
  }
  MacroImage& image(int k) { return settings_.working.macroImages[static_cast<std::size_t>(k)]; }
  void writeMacro(const std::wstring& name, const Lines& lines) {
    writeMacroSection(recordIni_, name, lines);
  }

  fs::path dir_ = fs::temp_directory_path() /
                  ("k8-advanced-" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
  PortableProfile recordIni_{dir_ / "record.ini"};
  PortableProfile strIni_{dir_ / "str.ini"};
  SettingsState settings_;
  CaptionStore captions_{strIni_, Language::English};
  DeviceState device_;
  UiStrings ui_ = uiStringsFor(Language::English);
  PageModel model_{settings_, captions_, device_, ui_};
  const UiStrings texts_ = uiStringsFor(Language::English);
  RecordingCanvas canvas_;
  FakeControls controls_;
  FakeSystem system_;
  DelayDialog delay_;
  AdvancedSettingsPage page_{texts_, model_, *this, canvas_, controls_, system_, recordIni_, *this};
  std::vector<std::wstring> shown_;
  std::vector<std::string> drawn_;
  HookUsers hookUsers_;
  HookUsers::Id hookUser_ = 0;
  bool hooked_ = false;
  std::wstring title_;
};

TEST(PointerSteps, BothWaysAtTheEdges) {
  EXPECT_EQ(speedStepOf(1), 1);
  EXPECT_EQ(speedStepOf(10), 6);
  EXPECT_EQ(speedStepOf(19), 10);
  EXPECT_EQ(speedStepOf(20), 11);
  EXPECT_EQ(speedOfStep(1), 1);
  EXPECT_EQ(speedOfStep(2), 2);
  EXPECT_EQ(speedOfStep(6), 10);
  EXPECT_EQ(speedOfStep(11), 20);
  EXPECT_EQ(speedOfStep(0), 1) << "a step out of range writes the nearest one";

  EXPECT_EQ(doubleClickStepOf(500), 6);
  EXPECT_EQ(doubleClickTimeOf(6), 550u) << "500 ms comes back as 550 ms";
  EXPECT_EQ(doubleClickStepOf(900), 1);
  EXPECT_EQ(doubleClickStepOf(901), 1);
  EXPECT_EQ(doubleClickStepOf(5000), 1) << "slower than the slowest step";
  EXPECT_EQ(doubleClickStepOf(200), 11);
  EXPECT_EQ(doubleClickStepOf(1), 11) << "faster than the fastest step";
  EXPECT_EQ(doubleClickTimeOf(1), 900u);
  EXPECT_EQ(doubleClickTimeOf(11), 200u);
}

TEST_F(AdvancedPageTest, FirstVisitReadsTheSystemOnceAndLightsItsSteps) {
  system_.lines = kPageScroll;
  system_.speed = 14;
  showAndKeepDrawing();
  const MouseSettings& s = settings_.working;
  EXPECT_EQ(s.enhancePointerPrecision, 1);
  EXPECT_EQ(s.pointerSpeed, 8);
  EXPECT_EQ(s.scrollOneScreen, 1);
  EXPECT_EQ(s.scrollLines, 0);
  EXPECT_EQ(s.doubleClickSpeed, 6);
  EXPECT_EQ(litCells(1), 8);
  EXPECT_EQ(litCells(2), 0) << "one-screen scrolling lights no cell";
  EXPECT_EQ(litCells(3), 6);

  // Later visits show the working copy, whatever the system holds by then.
  leave();
  system_.time = 900;
  system_.lines = 7;
  showAndKeepDrawing();
  EXPECT_EQ(s.doubleClickSpeed, 6);
  EXPECT_EQ(litCells(3), 6);
  EXPECT_EQ(litCells(2), 0);
  EXPECT_TRUE(shown_.empty());
}

TEST_F(AdvancedPageTest, FailedReadsWarnAndKeepTheirFields) {
  settings_.working.pointerSpeed = 4;
  settings_.working.doubleClickSpeed = 9;
  system_.speed.reset();
  system_.time = 0;
  system_.lines = 0x7FFFFFFF;  // WHEEL_PAGESCROLL as Wine hands it to another process
  show();
  EXPECT_EQ(shown_,
            (Lines{L"GETMOUSESPEED failed.|Warning", L"GetDoubleClickTime failed.|Warning"}));
  EXPECT_EQ(settings_.working.pointerSpeed, 4);
  EXPECT_EQ(settings_.working.doubleClickSpeed, 9);
  EXPECT_EQ(settings_.working.scrollOneScreen, 1);
}

TEST_F(AdvancedPageTest, OkWritesInOrderWithTheirFlagsAndEveryFailureIsShown) {
  MouseSettings& s = settings_.working;
  s.enhancePointerPrecision = 1;
  s.pointerSpeed = 11;
  s.scrollOneScreen = 1;
  s.scrollLines = 0;
  s.doubleClickSpeed = 6;
  page_.writeSystemSettings();  // the page was never shown
  EXPECT_EQ(system_.writes,
            (std::vector<std::string>{"mouse 6,10,1 flags 2", "speed 20 flags 2",
                                      "wheel 4294967295 flags 2", "double-click 550 flags 3"}));
  system_.writes.clear();
  s.enhancePointerPrecision = 0;
  s.scrollOneScreen = 0;
  s.scrollLines = 7;
  s.pointerSpeed = 1;
  system_.failWrites = true;
  page_.writeSystemSettings();
  EXPECT_EQ(system_.writes,
            (std::vector<std::string>{"mouse 0,0,0 flags 2", "speed 1 flags 2", "wheel 7 flags 2",
                                      "double-click 550 flags 3"}));
  EXPECT_EQ(shown_, (Lines{L"SETMOUSE failed.|Warning", L"SETMOUSESPEED failed.|Warning",
                           L"SETWHEELSCROLLLINES failed.|Warning",
                           L"SPI_SETDOUBLECLICKTIME failed.|Warning"}));
}

TEST_F(AdvancedPageTest, ClicksChangeOnlyTheWorkingCopyAndDefaultWritesAtOnce) {
  system_.lines = kPageScroll;
  show();
  click(Control::SpeedCell, 1, 3);
  click(Control::SpeedCell, 3, 11);
  click(Control::PrecisionBox);
  EXPECT_EQ(settings_.working.pointerSpeed, 3);
  EXPECT_EQ(settings_.working.doubleClickSpeed, 11);
  EXPECT_EQ(settings_.working.enhancePointerPrecision, 0);
  // Back to line scrolling with no line count: the wheel keeps 3 lines instead of none.
  click(Control::ScrollScreenBox);
  EXPECT_EQ(settings_.working.scrollOneScreen, 0);
  EXPECT_EQ(settings_.working.scrollLines, 3);
  EXPECT_TRUE(system_.writes.empty());

  click(Control::SystemDefault);
  EXPECT_EQ(system_.writes,
            (std::vector<std::string>{"mouse 0,0,0 flags 2", "speed 10 flags 2", "wheel 3 flags 2",
                                      "double-click 500 flags 3"}));
  const MouseSettings& s = settings_.working;
  EXPECT_EQ(s.pointerSpeed, 6);
  EXPECT_EQ(s.scrollLines, 3);
  EXPECT_EQ(s.doubleClickSpeed, 6);
  EXPECT_EQ(s.scrollOneScreen, 0);
  EXPECT_EQ(canvas_.ops.back(), "present");
}

TEST_F(AdvancedPageTest, ShowFillsTheEditorFromRecordIni) {
  writeMacro(L"first", {L"A   Dn", L"50 ms", L"A   Up"});
  writeMacro(L"second", {L"B   Dn"});
  setRepeatCount(image(0), 0);  // never set: shown and stored as 1
  show();
  EXPECT_EQ(items(kMacroListId), (Lines{L"first", L"second"}));
  EXPECT_EQ(controls_.selection(kMacroListId), 0);
  EXPECT_EQ(controls_.text(kMacroNameId), L"first");
  EXPECT_EQ(items(kSequenceListId), (Lines{L"A   Dn", L"50 ms", L"A   Up"}));
  EXPECT_EQ(controls_.selection(kSequenceListId), kNoItem);
  EXPECT_EQ(controls_.text(kLoopTimesId), L"1");
  EXPECT_EQ(repeatCount(image(0)), 1);
  EXPECT_EQ(controls_.children.at(kLoopTimesId).style, unsigned(kStyleCentre | kStyleNumber));
  EXPECT_EQ(controls_.children.at(kMacroListId).rect, layout::rect("advanced", "macro list"));

  setRepeatCount(image(1), 300);
  select(kMacroListId, 1);
  EXPECT_EQ(controls_.text(kMacroNameId), L"second");
  EXPECT_EQ(items(kSequenceListId), (Lines{L"B   Dn"}));
  EXPECT_EQ(controls_.text(kLoopTimesId), L"300");

  leave();
  EXPECT_FALSE(controls_.exists(kMacroListId));
  EXPECT_FALSE(controls_.exists(kLoopTimesId));
}

TEST_F(AdvancedPageTest, LoopTimesOutsideOneTo65535BecomeOneInTheSelectedImage) {
  writeMacro(L"a", {L"A   Dn"});
  writeMacro(L"b", {L"B   Dn"});
  show();
  select(kMacroListId, 1);
  for (const wchar_t* bad : {L"0", L"70000", L"", L"65536"}) {
    type(kLoopTimesId, bad);
    EXPECT_EQ(controls_.text(kLoopTimesId), L"1") << "typed " << toUtf8(bad);
    EXPECT_EQ(image(1)[0], 0);
    EXPECT_EQ(image(1)[1], 1);
  }
  type(kLoopTimesId, L"65535");
  EXPECT_EQ(image(1)[0], 0xFF);
  EXPECT_EQ(image(1)[1], 0xFF);
  type(kLoopTimesId, L"258");
  EXPECT_EQ(image(1)[0], 1) << "high byte first";
  EXPECT_EQ(image(1)[1], 2);
  EXPECT_EQ(repeatCount(image(0)), 1) << "the other macro's count stays";

  // With no macro at all the edit shows "1" and no image changes.
  leave();
  recordIni_.deleteSection(L"a");
  recordIni_.deleteSection(L"b");
  image(0).fill(0xAA);
  show();
  EXPECT_EQ(controls_.text(kLoopTimesId), L"1");
  EXPECT_EQ(image(0)[0], 0xAA);
}

TEST_F(AdvancedPageTest, InsertedMouseEventsFollowTheSelectedLine) {
  writeMacro(L"m", {L"A   Dn", L"50 ms", L"A   Up"});
  show();
  click(Control::InsertEventBox);
  ASSERT_TRUE(controls_.exists(kInsertListId));
  EXPECT_EQ(items(kInsertListId).size(), 9u);
  EXPECT_EQ(controls_.children.at(kInsertListId).rect,
            layout::rect("advanced", "insert mouse event list"));

  // Nothing selected in a list with lines: nothing inserted, the label still shows the choice.
  select(kInsertListId, 0);
  EXPECT_EQ(controls_.text(kInsertLabelId), L"L-Button Click");
  EXPECT_FALSE(controls_.exists(kInsertListId));
  EXPECT_EQ(items(kSequenceListId).size(), 3u);

  // After a delay line: the event lines, then "50 ms"; the first inserted line is selected.
  page_.listHover(kSequenceListId, {5, 1 * FakeControls::kItemHeight + 3});
  click(Control::InsertEventBox);
  select(kInsertListId, 0);
  EXPECT_EQ(items(kSequenceListId), (Lines{L"A   Dn", L"50 ms", L"L-Button   Dn", L"50 ms",
                                           L"L-Button   Up", L"50 ms", L"A   Up"}));
  EXPECT_EQ(controls_.selection(kSequenceListId), 2);

  // After an event line: "50 ms" first, then the event; it is selected.
  page_.listHover(kSequenceListId, {5, 6 * FakeControls::kItemHeight + 3});
  click(Control::InsertEventBox);
  select(kInsertListId, 6);  // "R-Button   Up"
  EXPECT_EQ(items(kSequenceListId).back(), L"R-Button   Up");
  EXPECT_EQ(items(kSequenceListId)[7], L"50 ms");
  EXPECT_EQ(controls_.selection(kSequenceListId), 8);

  // Into an empty macro: at the top, then "50 ms".
  type(kMacroNameId, L"empty");
  click(Control::NewMacro);
  click(Control::InsertEventBox);
  select(kInsertListId, 2);
  EXPECT_EQ(items(kSequenceListId),
            (Lines{L"M-Button   Dn", L"50 ms", L"M-Button   Up", L"50 ms"}));

  // A click outside the box and its list closes the open list.
  click(Control::InsertEventBox);
  page_.dismissLists({700, 600});
  EXPECT_FALSE(controls_.exists(kInsertListId));
}

TEST_F(AdvancedPageTest, DoubleClickedDelaysAreClampedAndEventLinesStay) {
  writeMacro(L"m", {L"A   Dn", L"50 ms", L"A   Up"});
  show();
  const auto edit = [&](int line, std::optional<std::wstring> typed) {
    delay_.typed = std::move(typed);
    page_.listHover(kSequenceListId, {5, line * FakeControls::kItemHeight + 3});
    page_.command(kSequenceListId, Notify::DoubleClick);
    return items(kSequenceListId)[static_cast<std::size_t>(line)];
  };
  EXPECT_EQ(edit(1, L"5"), L"20 ms");
  EXPECT_EQ(edit(1, L"19"), L"20 ms");
  EXPECT_EQ(edit(1, L"20"), L"20 ms");
  EXPECT_EQ(edit(1, L"10000"), L"10000 ms");
  EXPECT_EQ(edit(1, L"10001"), L"10000 ms");
  EXPECT_EQ(edit(1, L"99999999999"), L"10000 ms") << "far past the limit is still the limit";
  EXPECT_EQ(edit(1, L"333"), L"333 ms");
  EXPECT_EQ(edit(1, std::nullopt), L"333 ms") << "Cancel";
  EXPECT_EQ(edit(0, L"5"), L"A   Dn");
  EXPECT_EQ(controls_.selection(kSequenceListId), 0);
}

TEST_F(AdvancedPageTest, PopupDeleteRemovesOnlyTheLineUnderThePointer) {
  writeMacro(L"m", {L"A   Dn", L"50 ms", L"A   Up"});
  show();
  page_.listHover(kSequenceListId, {5, 2 * FakeControls::kItemHeight + 1});
  page_.macros().deleteSelectedLine();
  EXPECT_EQ(items(kSequenceListId), (Lines{L"A   Dn", L"50 ms"}));
  page_.macros().deleteSelectedLine();  // nothing selected any more
  EXPECT_EQ(items(kSequenceListId).size(), 2u);
  EXPECT_EQ(loadMacroLines(recordIni_, L"m").size(), 3u) << "only Confirm writes";
}

TEST_F(AdvancedPageTest, RecordingAThenBWithAHeldKey) {
  writeMacro(L"m", {L"old"});
  show();
  click(Control::StartRecording);
  EXPECT_EQ(shown_, (Lines{L"Start Recording|"}));
  EXPECT_TRUE(hooked_);
  EXPECT_TRUE(page_.macros().recording());
  EXPECT_EQ(title_, L"Press Ctrl+Break key to stop recording");
  EXPECT_TRUE(items(kSequenceListId).empty());
  constexpr std::uint32_t kHeld = MacroRecorder::kPreviousStateBit;
  constexpr std::uint32_t kUp = MacroRecorder::kReleaseBit | kHeld;
  key(L"Enter", kUp);  // the release of the key that closed the message box
  key(L"A", 0);
  key(L"A", kHeld);
  key(L"A", kHeld);
  key(L"A", kUp);
  key(L"B", 0);
  key(L"B", kUp);
  EXPECT_EQ(items(kSequenceListId),
            (Lines{L"A   Dn", L"50 ms", L"A   Up", L"50 ms", L"B   Dn", L"50 ms", L"B   Up"}));
  EXPECT_EQ(controls_.selection(kSequenceListId), 6);

  click(Control::StopRecording);
  EXPECT_FALSE(hooked_);
  click(Control::ConfirmMacro);
  EXPECT_EQ(loadMacroLines(recordIni_, L"m").size(), 7u);
  EXPECT_EQ(image(0)[2], 0x05);  // A pressed, 50 ms
  EXPECT_EQ(image(0)[3], 0x04);

  // Leaving the page while recording takes the hook away.
  click(Control::StartRecording);
  EXPECT_TRUE(hooked_);
  leave();
  EXPECT_FALSE(hooked_);
}

TEST_F(AdvancedPageTest, KeysTypedIntoTheDelayDialogWhileRecordingStayOutOfTheMacro) {
  writeMacro(L"m", {});
  show();
  click(Control::StartRecording);
  constexpr std::uint32_t kUp = MacroRecorder::kReleaseBit | MacroRecorder::kPreviousStateBit;
  key(L"A", 0);
  key(L"A", kUp);
  delay_.typed = L"120";
  delay_.whileOpen = [&] {
    for (const wchar_t* k : {L"1", L"2", L"0"}) {
      key(k, 0);
      key(k, kUp);
    }
    key(L"Enter", 0);  // its release may come only once the dialog has closed
  };
  page_.listHover(kSequenceListId, {5, FakeControls::kItemHeight + 3});
  page_.command(kSequenceListId, Notify::DoubleClick);
  key(L"Enter", kUp);
  EXPECT_EQ(items(kSequenceListId), (Lines{L"A   Dn", L"120 ms", L"A   Up"}));

  key(L"B", 0);  // recording goes on once the dialog is closed
  EXPECT_EQ(items(kSequenceListId), (Lines{L"A   Dn", L"120 ms", L"A   Up", L"50 ms", L"B   Dn"}));
}

TEST_F(AdvancedPageTest, NewDeleteAndConfirmGoThroughRecordIni) {
  show();
  click(Control::StartRecording);
  EXPECT_EQ(shown_, (Lines{L"Macro name is blank|Warning"}));
  shown_.clear();
  type(kMacroNameId, L"  ");
  click(Control::NewMacro);
  EXPECT_EQ(shown_, (Lines{L"Macro name is blank|"}));
  type(kMacroNameId, L"one");
  click(Control::NewMacro);
  type(kMacroNameId, L"ONE");
  click(Control::NewMacro);
  EXPECT_EQ(shown_.back(), L"Macro name already exists|");
  EXPECT_EQ(items(kMacroListId), (Lines{L"one"}));
  EXPECT_EQ(controls_.selection(kMacroListId), 0);
  EXPECT_FALSE(recordIni_.exists()) << "New writes nothing";

  click(Control::ConfirmMacro);
  EXPECT_EQ(listMacroNames(recordIni_), (Lines{L"one"}));
  click(Control::DeleteMacro);
  EXPECT_TRUE(listMacroNames(recordIni_).empty()) << "Delete removes the section at once";
  EXPECT_TRUE(items(kMacroListId).empty());
  EXPECT_EQ(controls_.text(kMacroNameId), L"");
}

}  // namespace
}  // namespace k8
